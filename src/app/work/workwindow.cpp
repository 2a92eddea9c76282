#include "app/work/workwindow.h"

#include "app/common/fixedrowdelegate.h"
#include "app/common/hint.h"
#include "app/editing/algorithmlistview.h"
#include "app/editing/breakpointmargin.h"
#include "app/editing/breakpoints.h"
#include "app/editing/panels/commandpanel.h"
#include "app/editing/statisticsfont.h"
#include "app/field/fieldpanel.h"
#include "app/field/fieldview.h"
#include "app/field/rulerpanel.h"
#include "app/run/runtoolbar.h"
#include "app/work/taskstatementpanel.h"
#include "app/work/worklayout.h"
#include "app/work/workmenubar.h"
#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"
#include "tasks/setup/selectsizevariant.h"
#include "tasks/setup/tasksetup.h"
#include "world/model/runcontrol.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace {

// Room for the menu bar and the window frame when the layout unit is chosen.
constexpr int chromeAllowance = 64;

QFont windowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

} // namespace

WorkWindow::WorkWindow(int layoutUnit, QWidget *parent)
    : QMainWindow(parent)
    , m_layoutUnit(initialLayoutUnit(layoutUnit))
    , m_algorithm(new AlgorithmText(this))
    , m_breakpoints(new Breakpoints(*m_algorithm, this))
    , m_scene(FieldGeometry::compute(m_layoutUnit, 12))
{
    setObjectName(QStringLiteral("frmRoZeridPupil"));
    setFont(windowFont());

    m_menu = new WorkMenuBar(this);
    setMenuBar(m_menu);
    connect(m_menu, &WorkMenuBar::beginChosen, this, &WorkWindow::nMainBeginClick);
    connect(m_menu, &WorkMenuBar::developmentChosen, this, &WorkWindow::nMainWorkClick);
    connect(m_menu, &WorkMenuBar::debuggingChosen, this, &WorkWindow::nMainDebugClick);
    connect(m_menu, &WorkMenuBar::pointsChosen, this, &WorkWindow::pointsRequested);
    connect(m_menu, &WorkMenuBar::patternChosen, this, &WorkWindow::patternRequested);
    connect(m_menu, &WorkMenuBar::sizeChosen, this, &WorkWindow::n1212Click);

    // A highlighted menu-bar item shows its long hint; the bar itself does not send it.
    connect(m_menu, &QMenuBar::hovered, this,
            [this](QAction *item) { m_statusBar->showMessage(item ? item->statusTip() : QString()); });

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusBar->setFixedHeight(WorkLayout::statusBarHeight);
    m_statusBar->setAutoFillBackground(true);
    m_statusBar->setBackgroundRole(QPalette::Base);
    setStatusBar(m_statusBar);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    buildClientArea(m_client);

    for (int k = 0; k < 3; ++k) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(k + 1));
        timer->setInterval(variableWallIntervals[k]);
        connect(timer, &QTimer::timeout, this, [this, k] { variableWallTimerTick(k + 1); });
        m_variableWallTimers[size_t(k)] = timer;
    }

    buildStageTable();
    placeWindow();

    m_fieldPanel->showPicture(&m_scene.picture());
    setFieldSize(12);
    m_delays = DelaySettings::forSpeed(RunSpeed::Slow);
    resetWork();

    qApp->installEventFilter(this);
}

WorkWindow::~WorkWindow()
{
    qApp->removeEventFilter(this);
}

int WorkWindow::initialLayoutUnit(int requested)
{
    if (requested > 0)
        return requested;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 10;
    return WorkLayout::layoutUnitFor(screen->geometry().width(), screen->availableGeometry().height(),
                                     chromeAllowance);
}

void WorkWindow::buildClientArea(QWidget *client)
{
    const WorkLayout layout = WorkLayout::compute(m_layoutUnit);

    m_runTools = new RunToolBar(client);
    m_runTools->setGeometry(169, 1, 324, 25);
    connect(m_runTools, &RunToolBar::speedChosen, this, &WorkWindow::startRun);
    connect(m_runTools, &RunToolBar::stopClicked, this, &WorkWindow::fixToolButtonStopClick);

    m_taskStatement = new TaskStatementPanel(client);
    m_taskStatement->setGeometry(layout.taskPanel);

    m_commands = new CommandPanel(client);
    m_commands->setGeometry(layout.commandPanel);
    connect(m_commands, &CommandPanel::commandChosen, this, &WorkWindow::triggerPanelCommand);

    m_algorithmList = new AlgorithmListView(client);
    m_algorithmList->setObjectName(QStringLiteral("lstCom"));
    m_algorithmList->setGeometry(layout.algorithmList);
    QFont listFont(QStringLiteral("Arial"));
    listFont.setPixelSize(13);
    m_algorithmList->setFont(listFont);
    m_algorithmList->setItemDelegate(new FixedRowDelegate(algorithmRowHeight, m_algorithmList));
    m_algorithmList->setUniformItemSizes(true);
    m_algorithmList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_algorithmList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_algorithmList->setModel(m_algorithm);
    Hint::apply(m_algorithmList,
                QStringLiteral("Алгоритм редактируется добавлением и удалением команд и управляющих структур "
                               "целиком | Щелкните правой кнопкой на нужной строке алгоритма для вызова "
                               "контекстного меню его редактирования"));
    m_halfVisibleLines = ::halfVisibleLines(m_algorithmList->height());
    connectAlgorithmList();
    connect(m_algorithmList, &AlgorithmListView::rowSelectedByPupil, this, &WorkWindow::algorithmRowSelected);
    connect(m_algorithmList, &AlgorithmListView::deleteKeyPressed, this,
            &WorkWindow::algorithmDeleteKeyPressed);
    connect(m_algorithmList, &AlgorithmListView::contextMenuRequested, this,
            &WorkWindow::algorithmMenuRequested);

    // In the gap between the command panel and the list.
    m_breakpointMargin = new BreakpointMargin(*m_algorithmList, *m_breakpoints, client);
    m_breakpointMargin->setGeometry(layout.algorithmList.left() - m_layoutUnit, layout.algorithmList.top(),
                                    m_layoutUnit, layout.algorithmList.height());
    connect(m_breakpointMargin, &BreakpointMargin::runToRowRequested, this, &WorkWindow::runToRowRequested);

    m_statisticsList = new QListWidget(client);
    m_statisticsList->setObjectName(QStringLiteral("ListStatist"));
    m_statisticsList->setGeometry(layout.statistics);
    m_statisticsList->setItemDelegate(new FixedRowDelegate(13, m_statisticsList));
    m_statisticsList->setSelectionMode(QAbstractItemView::NoSelection);
    // Every row is to be read whole at this width, with no bar taking a row's place.
    m_statisticsList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int textMargin =
        m_statisticsList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_statisticsList) + 1;
    m_statisticsList->setFont(statisticsFont(m_statisticsList->contentsRect().width() - 2 * textMargin));
    Hint::apply(m_statisticsList,
                QStringLiteral("Статистика | Подсчет числа команд и управляющих структур в вашем алгоритме"));
    m_statisticsList->hide();

    m_fieldPanel = new FieldPanel(client);
    m_fieldPanel->setLayoutUnit(m_layoutUnit);
    m_fieldPanel->move(layout.fieldFrame.topLeft());
    // The window may shrink only as far as the whole field stays in sight.
    client->setMinimumSize(m_fieldPanel->geometry().right() + 1, m_fieldPanel->geometry().bottom() + 1);
    connect(m_fieldPanel, &FieldPanel::menuRequested, this, &WorkWindow::fieldMenuRequested);

    client->installEventFilter(this);
}

void WorkWindow::connectAlgorithmList()
{
    // The selected row of the list and the current line of the text are one and the same.
    connect(m_algorithm, &AlgorithmText::currentRowChanged, this, [this](int row) {
        const QModelIndex index = m_algorithm->index(row, 0);
        if (m_algorithmList->currentIndex() != index) {
            m_algorithmList->setCurrentIndex(index);
            if (!index.isValid())
                m_algorithmList->clearSelection();
        }
        if (index.isValid())
            m_algorithmList->scrollTo(index);
    });
    connect(m_algorithmList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && current.row() != m_algorithm->currentRow())
                    m_algorithm->setCurrentRow(current.row());
            });
}

void WorkWindow::buildStageTable()
{
    using S = WorkStage;
    m_menu->addStageRows(m_stages);
    for (QToolButton *button : m_runTools->buttons())
        m_stages.addRow(button, StageTable::onIn({S::Debugging}));
    for (QWidget *control : m_commands->controls())
        m_stages.addRow(control, StageTable::onIn({S::Development}));
    m_stages.addRow(m_algorithmList, StageTable::onIn({S::Development}));
    m_stages.addRow(m_breakpointMargin, StageTable::onIn({S::Development, S::Debugging}));
    m_stages.addRow(m_statisticsList, {std::nullopt, std::nullopt, true, false},
                    {false, false, true, std::nullopt});
}

void WorkWindow::placeWindow()
{
    const WorkLayout layout = WorkLayout::compute(m_layoutUnit);
    const int height = layout.clientHeight + m_menu->sizeHint().height();
    int width = layout.clientWidth;
    QPoint topLeft(0, 0);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        width = qMax(width, available.width());
        topLeft = available.topLeft();
    }
    // The tool bar keeps its right margin as the window widens.
    m_runTools->resize(qMax(324, width - 169 - (1012 - 169 - 324)), m_runTools->height());
    resize(width, height);
    move(topLeft);
}

void WorkWindow::setEditorPanels(QWidget *panelProc, QWidget *panelIf, QWidget *panelWhile)
{
    m_panelProc = panelProc;
    m_panelIf = panelIf;
    m_panelWhile = panelWhile;
}

void WorkWindow::setPointsPanel(QWidget *panelPoints)
{
    m_panelPoints = panelPoints;
}

void WorkWindow::applyStage(WorkStage stage)
{
    m_stage = stage;
    m_stages.apply(stage);
    m_menu->keepSizeOffer();
    m_breakpointMargin->setRunToOffered(stage == WorkStage::Debugging);
}

void WorkWindow::showTaskStatement(const QStringList &lines)
{
    m_taskStatement->setStatement(lines);
}

void WorkWindow::showStatistics(const QStringList &rows)
{
    m_statistics = rows;
    m_statisticsList->clear();
    m_statisticsList->addItems(rows);
}

void WorkWindow::showProcedurePanelMode(ProcedurePanelMode openedFor)
{
    m_commands->showProcedurePanelMode(openedFor);
}

void WorkWindow::focusCommand(PanelCommand command)
{
    m_commands->focusCommand(command);
}

QPoint WorkWindow::besideCommand(PanelCommand command) const
{
    return {m_commands->x() + m_commands->width(), m_commands->y() + m_commands->commandTop(command)};
}

void WorkWindow::focusAlgorithm()
{
    m_algorithmList->setFocus(Qt::OtherFocusReason);
}

bool WorkWindow::hasFocusedControl() const
{
    const QWidget *focus = focusWidget();
    return focus && focus != this && focus->isVisible() && focus->isEnabled();
}

void WorkWindow::scrollAlgorithmTo(int topRow)
{
    // The rows just inserted must be laid out before the list can scroll to them.
    m_algorithmList->doItemsLayout();
    m_algorithmList->scrollTo(m_algorithm->index(topRow, 0), QAbstractItemView::PositionAtTop);
}

QRect WorkWindow::taskStatementArea() const
{
    return {m_taskStatement->parentWidget()->mapToGlobal(m_taskStatement->pos()), m_taskStatement->size()};
}

QPoint WorkWindow::mapFieldToGlobal(const QPoint &fieldPosition) const
{
    return m_fieldPanel->fieldToGlobal(fieldPosition);
}

void WorkWindow::resetWork()
{
    m_algorithm->setLines({QString()});
    m_algorithm->setCurrentRow(0);
    // No walls, and no selector pointing at a wall that is gone.
    stopVariableWallTimers();
    m_world.walls = WallModel{};
    m_scene.drawEmptyField();
    refreshFieldView();
    applyStage(WorkStage::NotStarted);
}

void WorkWindow::nMainBeginClick()
{
    resetWork();
    applyStage(WorkStage::Begin);
    emit taskLoadRequested();
}

void WorkWindow::nMainWorkClick()
{
    // The stages belong between runs: the run's frame would be lost.
    if (m_running)
        return;
    applyStage(WorkStage::Development);
    // The stage's controls were off until now, so the keys belong to nobody: the pupil who
    // chose the stage from the keyboard goes on with the arrows and Delete in the algorithm.
    if (!hasFocusedControl())
        focusAlgorithm();
    m_scene.drawEmptyField();
    m_scene.drawTaskObjects(m_world);
    refreshFieldView();
    showVariableWalls();
    emit developmentEntered();
}

void WorkWindow::nMainDebugClick()
{
    if (m_running)
        return;
    applyStage(WorkStage::Debugging);
}

void WorkWindow::n1212Click(int size)
{
    if (m_running)
        return;
    if (size < TaskData::firstSize || size > TaskData::lastSize)
        return;
    setFieldSize(size);
    emit fieldSizeChanged(size);
    changeFieldSize(m_task, m_world, size, &m_scene);
    // Where the walls were swapping, the new size's walls show and swap from their first
    // variant; after a run they stay still, as the run left them.
    if (m_wallsSwapping)
        showVariableWalls();
    else
        stopTimersOfMissingWalls();
    refreshFieldView();
}

void WorkWindow::setFieldSize(int fieldSize)
{
    const FieldGeometry geometry = FieldGeometry::compute(m_layoutUnit, fieldSize);
    m_world.fieldSize = qint16(fieldSize);
    m_scene.setGeometry(geometry);
    m_fieldPanel->setFieldGeometry(geometry);
    refreshFieldView();
}

void WorkWindow::selectSizeVariant()
{
    ::selectSizeVariant(m_task, m_world);
    stopTimersOfMissingWalls();
}

void WorkWindow::stopTimersOfMissingWalls()
{
    // The size's walls have set the selectors of the walls it lacks to 0; their timers
    // have nothing left to swap.
    const QList<QTimer *> timers = variableWallTimers();
    for (int k = m_world.walls.variableWallCount(); k < WallModel::maxVariableWalls; ++k)
        timers[k]->stop();
}

void WorkWindow::refreshFieldView()
{
    m_fieldPanel->refresh();
}

void WorkWindow::refreshFieldView(const QRect &changed)
{
    m_fieldPanel->refresh(changed);
}

void WorkWindow::showVariableWalls()
{
    ::showVariableWalls(m_world.walls, &m_scene);
    m_wallsSwapping = true;
    refreshFieldView();
    const QList<QTimer *> timers = variableWallTimers();
    const int count = qMin(m_world.walls.variableWallCount(), int(WallModel::maxVariableWalls));
    for (int k = 0; k < WallModel::maxVariableWalls; ++k) {
        if (k < count)
            timers[k]->start();
        else
            timers[k]->stop();
    }
}

void WorkWindow::stopVariableWallTimers()
{
    m_wallsSwapping = false;
    for (QTimer *timer : variableWallTimers())
        timer->stop();
}

void WorkWindow::variableWallTimerTick(int k)
{
    if (swapVariableWall(m_world.walls, k - 1, &m_scene))
        refreshFieldView();
}

void WorkWindow::formKeyDown(int key)
{
    static constexpr std::array<std::pair<int, PanelCommand>, 7> functionKeys{{
        {Qt::Key_F2, PanelCommand::Step},
        {Qt::Key_F3, PanelCommand::Jump},
        {Qt::Key_F4, PanelCommand::Turn},
        {Qt::Key_F5, PanelCommand::Proc},
        {Qt::Key_F6, PanelCommand::DoProc},
        {Qt::Key_F7, PanelCommand::If},
        {Qt::Key_F8, PanelCommand::While},
    }};
    if (key == Qt::Key_Escape) {
        if (m_panelProc && m_panelProc->isVisible()) {
            m_panelProc->hide();
            showProcedurePanelMode(ProcedurePanelMode::None);
        }
        if (m_panelIf && m_panelIf->isVisible())
            m_panelIf->hide();
        if (m_panelWhile && m_panelWhile->isVisible())
            m_panelWhile->hide();
        return;
    }
    // "Один шаг" works during a run and while it is paused. F10 is left alone: it is the
    // key that opens the menu bar.
    if (key == Qt::Key_F9) {
        if (m_stage == WorkStage::Debugging)
            emit stepKeyPressed();
        return;
    }
    // During a run the text under the interpreter must not change; before a task is open
    // there is no algorithm to edit.
    if (m_running || m_stage == WorkStage::NotStarted)
        return;
    for (const auto &[functionKey, command] : functionKeys) {
        if (key == functionKey) {
            emit panelCommandTriggered(command);
            return;
        }
    }
}

void WorkWindow::formClick()
{
    if (m_panelPoints && m_panelPoints->isVisible())
        m_panelPoints->hide();
}

void WorkWindow::triggerPanelCommand(PanelCommand command)
{
    if (m_running)
        return;
    emit panelCommandTriggered(command);
}

void WorkWindow::startRun(RunSpeed speed)
{
    if (m_running)
        return;
    m_runTools->setSpeedButtonsEnabled(false);
    m_delays = DelaySettings::forSpeed(speed);
    m_running = true;
    m_stopRequested = false;
    m_menu->setRunning(true);
    stopVariableWallTimers();
    emit runStarted();
    if (m_runHandler)
        m_runHandler();
    m_running = false;
    m_menu->setRunning(false);
    m_runTools->setSpeedButtonsEnabled(true);
    if (m_closeAfterRun) {
        // Asked once: a close the pupil then cancels is over, not kept for the next run.
        m_closeAfterRun = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void WorkWindow::fixToolButtonStopClick()
{
    m_stopRequested = true;
    emit stopAsked();
}

bool WorkWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Key preview: the window sees a key before the control that has the focus,
        // and the control still gets it.
        auto *widget = qobject_cast<QWidget *>(watched);
        const QWidget *focus = QApplication::focusWidget();
        const bool firstReceiver = widget && (widget == focus || (!focus && widget == this));
        // Shift+F2 with "Разработка" disabled must not insert a ШАГ: modified keys are no commands.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool modified = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (firstReceiver && widget->window() == this) {
            if (!modified)
                formKeyDown(key->key());
            else if (m_runTools->pressForKeys(key->keyCombination()))
                return true;
        }
    } else if (event->type() == QEvent::Hide && isOwnDialog(watched)) {
        // Without a window manager nobody gives the keyboard back when a dialog closes,
        // and the menu keys would be dead until the pupil clicks the window.
        QTimer::singleShot(0, this, [this] {
            const QWidget *modal = QApplication::activeModalWidget();
            if (isVisible() && (!modal || modal == this) && !QApplication::activePopupWidget())
                activateWindow();
        });
    } else if (watched == m_client && event->type() == QEvent::MouseButtonPress) {
        // Only a click on the free area: clicks a panel passes on to its parent do not count.
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (!m_client->childAt(at))
            formClick();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool WorkWindow::isOwnDialog(QObject *object) const
{
    const auto *dialog = qobject_cast<QDialog *>(object);
    return dialog && dialog->isWindow() && dialog->parentWidget() && dialog->parentWidget()->window() == this;
}

void WorkWindow::closeEvent(QCloseEvent *event)
{
    if (m_running) {
        // The run ends at its next test of the stop flag; the window closes after it.
        m_stopRequested = true;
        m_closeAfterRun = true;
        event->ignore();
        emit stopAsked();
        return;
    }
    QMainWindow::closeEvent(event);
}
