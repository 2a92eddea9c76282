#pragma once

#include <QStringList>

// What the statistics panel counts in an algorithm.
struct AlgorithmCounts
{
    int commands = 0;
    int procedures = 0;
    int calls = 0;
    int branches = 0;
    int loops = 0;
    int lines = 0;

    friend bool operator==(const AlgorithmCounts &, const AlgorithmCounts &) = default;
};

AlgorithmCounts countAlgorithm(const QStringList &lines);

// The nine rows of the statistics panel after a recount of the whole text.
QStringList updateStatistics(const QStringList &lines);
// The nine rows shown for a new skeleton, written without looking at the text. Their
// blanks and dots differ from the recounted rows on purpose.
QStringList resetStatistics();
