#include "app/work/worktools.h"

#include "app/editing/editorcontroller.h"
#include "app/field/fieldmenu.h"
#include "app/field/panelpoints.h"
#include "app/field/patternpanel.h"
#include "app/print/workprinter.h"
#include "app/run/runcontroller.h"
#include "app/work/taskloader.h"

WorkTools attachWorkTools(WorkWindow &window)
{
    auto *patternPanel = new PatternPanel(window);
    WorkTools tools;
    tools.taskLoader = new TaskLoader(window, *patternPanel);
    tools.runController = new RunController(window);
    new PanelPoints(window);
    const auto *printer = new WorkPrinter(window);
    new FieldMenu(window, printer->printAction());
    return tools;
}

void attachEditor(const WorkTools &tools, EditorController &editor)
{
    tools.taskLoader->setProcedureNames(editor.sharedProcedureNames());
    QObject::connect(tools.taskLoader, &TaskLoader::taskLoaded, &editor,
                     &EditorController::startNewAlgorithm);
}
