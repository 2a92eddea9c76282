#pragma once

#include <QString>

// A line for standard error, led by the program's name as every message of the checker is.
QString checkerMessage(const QString &message);
