#include "app/work/workwindow.h"

#include "app/common/fixedrowdelegate.h"
#include "app/common/hint.h"
#include "app/editing/algorithmlistview.h"
#include "app/editing/commandpanel.h"
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
#include "tasks/selectsizevariant.h"
#include "tasks/tasksetup.h"
#include "world/runcontrol.h"

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
    , m_scene(FieldGeometry::compute(m_layoutUnit, 12))
{
    setObjectName(QStringLiteral("frmRoZeridPupil"));
    setFont(windowFont());

    MainMenu = new WorkMenuBar(this);
    setMenuBar(MainMenu);
    NMainBegin = MainMenu->NMainBegin;
    NMainWork = MainMenu->NMainWork;
    NMainDebug = MainMenu->NMainDebug;
    NMainPoints = MainMenu->NMainPoints;
    NMainSize = MainMenu->NMainSize;
    NMainPattern = MainMenu->NMainPattern;
    N1212 = MainMenu->N1212;
    N1313 = MainMenu->N1313;
    N1414 = MainMenu->N1414;
    N1515 = MainMenu->N1515;
    connect(NMainBegin, &QAction::triggered, this, &WorkWindow::nMainBeginClick);
    connect(NMainWork, &QAction::triggered, this, &WorkWindow::nMainWorkClick);
    connect(NMainDebug, &QAction::triggered, this, &WorkWindow::nMainDebugClick);
    connect(MainMenu->sizeMenu, &QMenu::triggered, this, &WorkWindow::n1212Click);
    // The shortcut of "Размер поля" opens its list under the item.
    connect(NMainSize, &QAction::triggered, this, [this] {
        if (!m_running)
            MainMenu->sizeMenu->popup(
                MainMenu->mapToGlobal(MainMenu->actionGeometry(NMainSize).bottomLeft()));
    });

    // A highlighted menu-bar item shows its long hint; the bar itself does not send it.
    connect(MainMenu, &QMenuBar::hovered, this,
            [this](QAction *item) { StatusBar1->showMessage(item ? item->statusTip() : QString()); });

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(WorkLayout::statusBarHeight);
    StatusBar1->setAutoFillBackground(true);
    StatusBar1->setBackgroundRole(QPalette::Base);
    setStatusBar(StatusBar1);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    buildClientArea(m_client);

    for (int k = 0; k < 3; ++k) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(k + 1));
        timer->setInterval(variableWallIntervals[k]);
        connect(timer, &QTimer::timeout, this, [this, k] { variableWallTimerTick(k + 1); });
        (k == 0 ? Timer1 : k == 1 ? Timer2 : Timer3) = timer;
    }

    buildStageTable();
    placeWindow();

    PaintImage->setPicture(&m_scene.picture());
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

    ToolBarAlg = new RunToolBar(client);
    ToolBarAlg->setGeometry(169, 1, 324, 25);
    FixToolButtonDo = ToolBarAlg->FixToolButtonDo;
    FixToolButtonQuick = ToolBarAlg->FixToolButtonQuick;
    FixToolButtonResult = ToolBarAlg->FixToolButtonResult;
    FixToolButtonStop = ToolBarAlg->FixToolButtonStop;
    connect(ToolBarAlg, &RunToolBar::speedChosen, this, &WorkWindow::startRun);
    connect(ToolBarAlg, &RunToolBar::stopClicked, this, &WorkWindow::fixToolButtonStopClick);

    pnlTskNew = new TaskStatementPanel(client);
    pnlTskNew->setGeometry(layout.taskPanel);
    lstTsk = pnlTskNew->lstTsk;

    PPPanelSystCom = new CommandPanel(client);
    PPPanelSystCom->setGeometry(layout.commandPanel);
    PPButtonStep = PPPanelSystCom->PPButtonStep;
    PPButtonJump = PPPanelSystCom->PPButtonJump;
    PPButtonTurn = PPPanelSystCom->PPButtonTurn;
    PPButtonProc = PPPanelSystCom->PPButtonProc;
    PPButtonDoProc = PPPanelSystCom->PPButtonDoProc;
    PPButtonIf = PPPanelSystCom->PPButtonIf;
    PPButtonWhile = PPPanelSystCom->PPButtonWhile;
    connect(PPPanelSystCom, &CommandPanel::commandChosen, this, &WorkWindow::triggerPanelCommand);

    lstCom = new AlgorithmListView(client);
    lstCom->setObjectName(QStringLiteral("lstCom"));
    lstCom->setGeometry(layout.algorithmList);
    QFont listFont(QStringLiteral("Arial"));
    listFont.setPixelSize(13);
    lstCom->setFont(listFont);
    lstCom->setItemDelegate(new FixedRowDelegate(algorithmRowHeight, lstCom));
    lstCom->setUniformItemSizes(true);
    lstCom->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCom->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstCom->setModel(m_algorithm);
    m_halfVisibleLines = ::halfVisibleLines(lstCom->height());
    connectAlgorithmList();

    ListStatist = new QListWidget(client);
    ListStatist->setObjectName(QStringLiteral("ListStatist"));
    ListStatist->setGeometry(layout.statistics);
    ListStatist->setItemDelegate(new FixedRowDelegate(13, ListStatist));
    ListStatist->setSelectionMode(QAbstractItemView::NoSelection);
    // Every row is to be read whole at this width, with no bar taking a row's place.
    ListStatist->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int textMargin =
        ListStatist->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListStatist) + 1;
    ListStatist->setFont(statisticsFont(ListStatist->contentsRect().width() - 2 * textMargin));
    Hint::apply(ListStatist,
                QStringLiteral("Статистика | Подсчет числа команд и управляющих структур в вашем алгоритме"));
    ListStatist->hide();

    pnl1 = new FieldPanel(client);
    pnl1->setLayoutUnit(m_layoutUnit);
    pnl1->move(layout.fieldFrame.topLeft());
    pnlMain = pnl1->pnlMain;
    PaintImage = pnl1->PaintImage;
    PanelX = pnl1->PanelX;
    PanelY = pnl1->PanelY;

    client->installEventFilter(this);
}

void WorkWindow::connectAlgorithmList()
{
    // The selected row of the list and the current line of the text are one and the same.
    connect(m_algorithm, &AlgorithmText::currentRowChanged, this, [this](int row) {
        const QModelIndex index = m_algorithm->index(row, 0);
        if (lstCom->currentIndex() != index) {
            lstCom->setCurrentIndex(index);
            if (!index.isValid())
                lstCom->clearSelection();
        }
        if (index.isValid())
            lstCom->scrollTo(index);
    });
    connect(lstCom->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && current.row() != m_algorithm->currentRow())
                    m_algorithm->setCurrentRow(current.row());
            });
}

void WorkWindow::buildStageTable()
{
    using S = WorkStage;
    m_stages.addRow(NMainBegin, StageTable::onIn({S::NotStarted}));
    m_stages.addRow(NMainWork, StageTable::onIn({S::Begin, S::Debugging}));
    m_stages.addRow(NMainDebug, StageTable::onIn({S::Development}));
    for (QAction *item : {NMainPattern, NMainPoints, NMainSize})
        m_stages.addRow(item, StageTable::onIn({S::Begin, S::Development, S::Debugging}));
    for (QToolButton *button : ToolBarAlg->buttons())
        m_stages.addRow(button, StageTable::onIn({S::Debugging}));
    for (QLabel *label : PPPanelSystCom->labels())
        m_stages.addRow(label, StageTable::onIn({S::Development}));
    for (QPushButton *button : PPPanelSystCom->buttons())
        m_stages.addRow(button, StageTable::onIn({S::Development}));
    m_stages.addRow(lstCom, StageTable::onIn({S::Development}));
    m_stages.addRow(ListStatist, {std::nullopt, std::nullopt, true, false},
                    {false, false, true, std::nullopt});
}

void WorkWindow::placeWindow()
{
    const WorkLayout layout = WorkLayout::compute(m_layoutUnit);
    const int height = layout.clientHeight + MainMenu->sizeHint().height();
    int width = layout.clientWidth;
    QPoint topLeft(0, 0);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        width = qMax(width, available.width());
        topLeft = available.topLeft();
    }
    // The tool bar keeps its right margin as the window widens.
    ToolBarAlg->resize(qMax(324, width - 169 - (1012 - 169 - 324)), ToolBarAlg->height());
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
    m_stages.apply(stage);
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
    applyStage(WorkStage::Development);
    m_scene.drawEmptyField();
    m_scene.drawTaskObjects(m_world);
    refreshFieldView();
    showVariableWalls();
    emit developmentEntered();
}

void WorkWindow::nMainDebugClick()
{
    applyStage(WorkStage::Debugging);
}

void WorkWindow::n1212Click(QAction *item)
{
    if (m_running || !item)
        return;
    const int size = item->text().left(2).toInt();
    if (size < TaskData::firstSize || size > TaskData::lastSize)
        return;
    setFieldSize(size);
    emit fieldSizeChanged(size);
    changeFieldSize(m_task, m_world, size, &m_scene);
    stopTimersOfMissingWalls();
    refreshFieldView();
}

void WorkWindow::setFieldSize(int fieldSize)
{
    const FieldGeometry geometry = FieldGeometry::compute(m_layoutUnit, fieldSize);
    m_world.fieldSize = qint16(fieldSize);
    m_scene.setGeometry(geometry);
    pnl1->setFieldGeometry(geometry);
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
    PaintImage->refresh();
}

void WorkWindow::refreshFieldView(const QRect &changed)
{
    PaintImage->refresh(changed);
}

void WorkWindow::showVariableWalls()
{
    ::showVariableWalls(m_world.walls, &m_scene);
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
            PPButtonProc->setEnabled(true);
            PPButtonDoProc->setEnabled(true);
        }
        if (m_panelIf && m_panelIf->isVisible())
            m_panelIf->hide();
        if (m_panelWhile && m_panelWhile->isVisible())
            m_panelWhile->hide();
        return;
    }
    // During a run the text under the interpreter must not change.
    if (m_running)
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
    ToolBarAlg->setSpeedButtonsEnabled(false);
    m_delays = DelaySettings::forSpeed(speed);
    m_running = true;
    m_stopRequested = false;
    NMainWork->setEnabled(false);
    stopVariableWallTimers();
    if (m_runHandler)
        m_runHandler();
    m_running = false;
    NMainWork->setEnabled(true);
    ToolBarAlg->setSpeedButtonsEnabled(true);
    if (m_closeAfterRun)
        QTimer::singleShot(0, this, &QWidget::close);
}

void WorkWindow::fixToolButtonStopClick()
{
    m_stopRequested = true;
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
        if (firstReceiver && widget->window() == this && !modified)
            formKeyDown(key->key());
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
        return;
    }
    QMainWindow::closeEvent(event);
}
