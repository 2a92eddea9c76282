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
    WorkTools tools;
    tools.patternPanel = new PatternPanel(window);
    tools.taskLoader = new TaskLoader(window, *tools.patternPanel);
    tools.runController = new RunController(window);
    tools.panelPoints = new PanelPoints(window);
    tools.printer = new WorkPrinter(window);
    tools.fieldMenu = new FieldMenu(window, tools.printer->printAction());
    return tools;
}

void attachEditor(const WorkTools &tools, EditorController &editor)
{
    tools.taskLoader->setProcedureNames(editor.sharedProcedureNames());
    QObject::connect(tools.taskLoader, &TaskLoader::taskLoaded, &editor,
                     &EditorController::startNewAlgorithm);
}
