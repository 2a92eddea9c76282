#pragma once

#include "world/run/interpreter.h"

#include <QStringList>

#include <vector>

// The rows of the call chain shown while a run is paused, the outermost call first: the
// procedure's name and the line of its ДЕЛАЙ, counted from 1. A chain longer than
// callChainShownLimit keeps its first and last callChainEndRows calls with one row
// "… ещё N …" for the calls in between.
inline constexpr int callChainShownLimit = 20;
inline constexpr int callChainEndRows = 10;

struct CallChainRow
{
    QString text;
    int row = -1; // the line of the call; -1 for the row of the calls left out
};

std::vector<CallChainRow> callChainRows(const std::vector<CallSite> &chain, const QStringList &lines);
