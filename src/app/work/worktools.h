#pragma once

class EditorController;
class FieldMenu;
class PanelPoints;
class PatternPanel;
class RunController;
class TaskLoader;
class WorkPrinter;
class WorkWindow;

// What the work window needs to open a task, run the algorithm, set the points, print the
// work and save the field picture: each belongs to the window and wires itself to its
// menu items and seams.
struct WorkTools
{
    TaskLoader *taskLoader = nullptr;
    RunController *runController = nullptr;
    PanelPoints *panelPoints = nullptr;
    PatternPanel *patternPanel = nullptr;
    WorkPrinter *printer = nullptr;
    FieldMenu *fieldMenu = nullptr;
};

WorkTools attachWorkTools(WorkWindow &window);

// A new task starts a new algorithm in the editor too: the loader empties the editor's
// procedure names, and the editor forgets its undo steps and its saved text.
void attachEditor(const WorkTools &tools, EditorController &editor);
