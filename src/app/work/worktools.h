#pragma once

class EditorController;
class RunController;
class TaskLoader;
class WorkWindow;

// The work window's tools that others talk to: the editor to the loader, and whoever
// follows a run to the run controller.
struct WorkTools
{
    TaskLoader *taskLoader = nullptr;
    RunController *runController = nullptr;
};

// Attaches what the work window needs to open a task, run the algorithm, set the points,
// print the work and save the field picture: each belongs to the window and wires itself
// to its menu items and seams.
WorkTools attachWorkTools(WorkWindow &window);

// A new task starts a new algorithm in the editor too: the loader empties the editor's
// procedure names, and the editor forgets its undo steps and its saved text.
void attachEditor(const WorkTools &tools, EditorController &editor);
