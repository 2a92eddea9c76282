#pragma once

class PanelPoints;
class PatternPanel;
class RunController;
class TaskLoader;
class WorkWindow;

// What the work window needs to open a task, run the algorithm and set the points: each
// belongs to the window and wires itself to its menu items and seams.
struct WorkTools
{
    TaskLoader *taskLoader = nullptr;
    RunController *runController = nullptr;
    PanelPoints *panelPoints = nullptr;
    PatternPanel *patternPanel = nullptr;
};

WorkTools attachWorkTools(WorkWindow &window);
