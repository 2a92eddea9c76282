#pragma once

#include <QString>

// The guide that --help prints, for jury members checking pupils' files.
QString checkerHelpText();
QString checkerVersionText();
