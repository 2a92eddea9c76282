#include "app/work/worktools.h"

#include "app/editing/algorithmlistview.h"
#include "app/editing/editorcontroller.h"
#include "app/field/fieldmenu.h"
#include "app/field/fieldpanel.h"
#include "app/field/panelpoints.h"
#include "app/field/patternpanel.h"
#include "app/print/workprinter.h"
#include "app/run/passlistpanel.h"
#include "app/run/runview.h"
#include "app/work/taskloader.h"
#include "app/work/worklayout.h"
#include "app/work/workmenubar.h"
#include "app/work/workwindow.h"
#include "session/fielddescription.h"
#include "session/worksession.h"

#include <QAction>
#include <QStatusBar>

namespace {

// "Прогоны" stands in the column of the command panel and the statistics, unused in
// "Отладка"; while a run is paused "Вызовы" takes the top of it and the list the bottom.
PassListPanel *attachPassList(WorkWindow &window, const WorkLayout &layout)
{
    WorkSession &session = window.session();
    auto *panel = new PassListPanel(window.centralWidget());
    const QRect column(layout.commandPanel.topLeft(), layout.statistics.bottomRight());
    const QRect underCalls = layout.statistics;
    panel->setGeometry(column);
    panel->hide();
    auto show = [&session, panel, column, underCalls] {
        if (session.runPasses().isEmpty() || session.stage() != WorkStage::Debugging) {
            panel->hide();
            return;
        }
        panel->setGeometry(session.isPaused() ? underCalls : column);
        panel->show();
        panel->raise();
    };
    QObject::connect(&session, &WorkSession::runPassesChanged, panel, [&session, panel, show] {
        panel->showPasses(session.runPasses(), session.task().hasPointB);
        show();
    });
    QObject::connect(&session, &WorkSession::stageChanged, panel, show);
    QObject::connect(&session, &WorkSession::resumed, panel, [panel, column] { panel->setGeometry(column); });
    QObject::connect(panel, &PassListPanel::passChosen, &session, &WorkSession::replayPass);
    QObject::connect(&window, &WorkWindow::escapePressed, panel, &QWidget::hide);
    return panel;
}

} // namespace

WorkTools attachWorkTools(WorkWindow &window)
{
    WorkSession &session = window.session();
    QWidget &client = *window.centralWidget();
    WorkMenuBar &menu = window.workMenu();

    auto *patternPanel = new PatternPanel(window, window.taskStatement());
    QObject::connect(&menu, &WorkMenuBar::patternChosen, patternPanel, &PatternPanel::nMainPatternClick);

    WorkTools tools;
    tools.taskLoader = new TaskLoader(session, window, menu, *patternPanel);
    QObject::connect(&window, &WorkWindow::taskLoadRequested, tools.taskLoader, &TaskLoader::loadTask);

    // "Вызовы" stands where the command panel does, down to the statistics: neither is used while paused.
    const WorkLayout layout = WorkLayout::compute(window.layoutUnit());
    const QRect callsArea(layout.commandPanel.left(), layout.commandPanel.top(), layout.commandPanel.width(),
                          layout.statistics.top() - window.layoutUnit() - layout.commandPanel.top());
    tools.runView = new RunView(session, window.runTools(), *window.statusBar(), client, callsArea, window);

    tools.panelPoints = new PanelPoints(session, client);
    PanelPoints *points = tools.panelPoints;
    QObject::connect(&menu, &WorkMenuBar::pointsChosen, points, &PanelPoints::nMainPointsClick);
    QObject::connect(&window, &WorkWindow::freeAreaClicked, points, &QWidget::hide);
    // Left open, the panel would cover the line about to run and "Вызовы": while the run
    // holds, it stands over the task statement, still whole, and goes back when it goes on.
    const QPoint pointsHome = points->pos();
    const QPoint pointsAside(pointsHome.x(),
                             layout.taskPanel.top() + (layout.taskPanel.height() - points->height()) / 2);
    QObject::connect(&session, &WorkSession::paused, points, [points, pointsAside] {
        points->move(pointsAside);
        points->raise();
    });
    const auto goHome = [points, pointsHome] { points->move(pointsHome); };
    QObject::connect(&session, &WorkSession::resumed, points, goHome);
    QObject::connect(&session, &WorkSession::runEnded, points, goHome);

    tools.passList = attachPassList(window, layout);

    // A screen reader learns where Шагайка stands whenever the field rests: a pause, a step,
    // the end of a run (a crash names its cell), a task or points set.
    FieldPanel *field = &window.fieldPanel();
    const auto describe = [&session, field] {
        if (!session.isRunning())
            field->setFieldDescription(fieldDescription(session.world()));
    };
    QObject::connect(&session, &WorkSession::fieldChanged, field, describe);
    QObject::connect(&session, &WorkSession::paused, field,
                     [&session, field] { field->setFieldDescription(fieldDescription(session.world())); });
    QObject::connect(&session, &WorkSession::runEnded, field, [&session, field](RunEnd end) {
        const World &world = session.world();
        field->setFieldDescription(end == RunEnd::Crash ? crashDescription(world) : fieldDescription(world));
    });

    const auto *printer = new WorkPrinter(session, window);
    const auto *fieldMenu = new FieldMenu(session, window.fieldPanel(), printer->printAction());
    // The current line of the algorithm in high contrast too: white on navy, black on white.
    QWidget *algorithm = &window.algorithmList();
    QObject::connect(fieldMenu->contrastAction(), &QAction::toggled, algorithm, [algorithm](bool on) {
        QPalette contrast;
        contrast.setColor(QPalette::Base, Qt::white);
        contrast.setColor(QPalette::Text, Qt::black);
        contrast.setColor(QPalette::Highlight, QColor(0, 0, 128));
        contrast.setColor(QPalette::HighlightedText, Qt::white);
        algorithm->setPalette(on ? contrast : QPalette());
    });
    return tools;
}

EditorController *attachEditor(WorkWindow &window, std::unique_ptr<AlgorithmFileDialogs> dialogs)
{
    auto *editor = new EditorController(window.session(), window.commandPanel(), window.algorithmList(),
                                        window.workMenu().debuggingItem(), window, std::move(dialogs));
    QObject::connect(&window, &WorkWindow::panelCommandTriggered, editor, &EditorController::panelCommand);
    QObject::connect(&window, &WorkWindow::escapePressed, editor, &EditorController::closePanelsByEscape);
    return editor;
}
