#pragma once

#include <QString>

// The guide that --help prints, for jury members checking pupils' files.
QString checkerHelpText();
QString checkerVersionText();

// A line for standard error, led by the program's name as every message of the checker is.
QString checkerMessage(const QString &message);
