#pragma once

#include <QFont>

// The font of the statistics list. Its rows of captions and dot leaders were laid out for
// a narrow system font; a narrow family is asked for first and, where the system has none
// as narrow, the size shrinks until the widest row, with a count of three digits, fits
// the given width.
QFont statisticsFont(int textWidth);
