#pragma once

#include <QFont>

// The letters of the points А and Б: a sans-serif font with a text cell about 13 pixels high,
// which the letter position next to the point's dot assumes.
QFont pointLetterFont();

// The labels "1" and "2" on a variable wall: a small serif font whose text cell fits inside
// a bar of the given thickness, so the label never covers the bar's edges.
QFont wallLabelFont(int barThickness);
