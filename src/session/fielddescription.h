#pragma once

#include <QString>

struct World;

// The field in words, for a screen reader: where Шагайка stands and looks, the walls
// around its cell (fixed or movable, and the border), and where points А and Б are.
// Columns and rows are numbered as the rulers and the points panel number them.
QString fieldDescription(const World &world);
// The same after a crash: the cell Шагайка ran into a wall from comes first.
QString crashDescription(const World &world);
