#pragma once

#include "app/editing/files/algorithmfiledialogs.h"

#include <memory>

class EditorController;
class PanelPoints;
class PassListPanel;
class RunView;
class TaskLoader;
class WorkWindow;

// The work window's tools, for whoever talks to them.
struct WorkTools
{
    TaskLoader *taskLoader = nullptr;
    RunView *runView = nullptr;
    PanelPoints *panelPoints = nullptr;
    PassListPanel *passList = nullptr;
};

// The one place where the tools that open a task, show a run, set the points, print the
// work and save the field picture are made and connected to the window's work session and
// its controls; each belongs to the window.
WorkTools attachWorkTools(WorkWindow &window);

// The structured editor of the window's algorithm, connected the same way.
EditorController *attachEditor(WorkWindow &window, std::unique_ptr<AlgorithmFileDialogs> dialogs = {});
