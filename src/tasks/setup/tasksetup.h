#pragma once

#include "tasks/file/taskdata.h"
#include "world/model/world.h"

#include <QStringList>

class AlgorithmText;
class FieldCanvas;
class WallModel;

// Every variable wall at its first variant: all selectors to 0, then for each wall that
// exists the second variant drawn absent, the first drawn present and its selector set
// to 1. Walls beyond the three selector slots are never shown. A null canvas draws nothing.
void showVariableWalls(WallModel &walls, FieldCanvas *canvas);

// The field of a task just read: size 12, the empty field, the start, point Б and walls
// of that size, the executor on point А with the task objects drawn, and the variable
// walls at their first variant. The caller refreshes the view and starts one swap timer
// per variable wall (at most three).
void setUpTaskField(const TaskData &task, World &world, FieldCanvas *canvas);

// A size chosen in the size menu: the size's start, point Б and walls, the field redrawn
// empty with the task objects and the executor on the new point А. A selector of a wall
// the new size lacks becomes 0; the others keep their values and the variable walls are
// not drawn (their next swap draws them). A size outside 12..15 changes nothing.
void changeFieldSize(const TaskData &task, World &world, int fieldSize, FieldCanvas *canvas);

// The world of one size as a run finds it: the task set up at 12, that size chosen, every
// variable wall at its first variant.
World taskWorld(const TaskData &task, int fieldSize);

// A new algorithm for the task: the five-line skeleton with "КОН" selected, no procedure
// names. Returns the statistics rows to show for it.
QStringList startAlgorithm(AlgorithmText &text, QStringList &procedureNames, bool hasPointB);
