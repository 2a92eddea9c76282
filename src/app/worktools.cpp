#include "app/worktools.h"

#include "app/editorcontroller.h"
#include "app/fieldmenu.h"
#include "app/panelpoints.h"
#include "app/patternpanel.h"
#include "app/runcontroller.h"
#include "app/taskloader.h"
#include "app/workprinter.h"

WorkTools attachWorkTools(WorkWindow &window)
{
    WorkTools tools;
    tools.patternPanel = new PatternPanel(window);
    tools.taskLoader = new TaskLoader(window, *tools.patternPanel);
    tools.runController = new RunController(window);
    tools.panelPoints = new PanelPoints(window);
    tools.printer = new WorkPrinter(window);
    tools.fieldMenu = new FieldMenu(window, tools.printer->NPrint);
    return tools;
}

void attachEditor(const WorkTools &tools, EditorController &editor)
{
    tools.taskLoader->setProcedureNames(editor.sharedProcedureNames());
    QObject::connect(tools.taskLoader, &TaskLoader::taskLoaded, &editor,
                     &EditorController::startNewAlgorithm);
}
