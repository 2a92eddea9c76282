#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A task's reference solution as read for checking the task or judging by it.
struct ReferenceAlgorithm
{
    QStringList lines;
    QByteArray bytes; // the very bytes read, for the reports' hash
    // Empty when the file can serve; otherwise why not, for standard error.
    QString error;

    bool isOk() const { return error.isEmpty(); }
};

// Reads the reference and refuses one that is no algorithm: such a text would run to its
// end drawing nothing, and every check made by it would be void.
ReferenceAlgorithm readReferenceAlgorithm(const QString &file);
