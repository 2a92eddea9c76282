#include "app/work/workwindow.h"

#include "app/common/fixedrowdelegate.h"
#include "app/common/hint.h"
#include "app/editing/algorithmlistview.h"
#include "app/editing/breakpointmargin.h"
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
#include "session/breakpoints.h"
#include "session/worksession.h"

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

#include <array>

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
    , m_session(new WorkSession(m_layoutUnit, this))
{
    setObjectName(QStringLiteral("frmRoZeridPupil"));
    setFont(windowFont());

    m_menu = new WorkMenuBar(this);
    setMenuBar(m_menu);
    connect(m_menu, &WorkMenuBar::beginChosen, this, &WorkWindow::nMainBeginClick);
    connect(m_menu, &WorkMenuBar::developmentChosen, this, &WorkWindow::nMainWorkClick);
    connect(m_menu, &WorkMenuBar::debuggingChosen, m_session, &WorkSession::enterDebugging);
    connect(m_menu, &WorkMenuBar::sizeChosen, m_session, &WorkSession::chooseFieldSize);

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

    buildStageTable();
    placeWindow();

    // A screen with a scale factor (1.5, 2) gets a field picture twice as fine, sharp there.
    if (devicePixelRatioF() > 1)
        m_session->setFieldScale(2);
    m_fieldPanel->showPicture(&m_session->scene().picture());
    showFieldSize();
    applyStage(m_session->stage());
    connectSession();

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
    connect(m_runTools, &RunToolBar::speedChosen, m_session, &WorkSession::chooseSpeed);
    connect(m_runTools, &RunToolBar::stopClicked, m_session, &WorkSession::stopRun);
    connect(m_runTools, &RunToolBar::pauseClicked, m_session, &WorkSession::togglePause);
    connect(m_runTools, &RunToolBar::stepClicked, m_session, &WorkSession::step);

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
    m_algorithmList->setModel(&m_session->algorithm());
    Hint::apply(m_algorithmList,
                QStringLiteral("Алгоритм редактируется добавлением и удалением команд и управляющих структур "
                               "целиком | Щелкните правой кнопкой на нужной строке алгоритма для вызова "
                               "контекстного меню его редактирования"));
    connectAlgorithmList();

    // In the gap between the command panel and the list.
    m_breakpointMargin = new BreakpointMargin(*m_algorithmList, m_session->breakpoints(), client);
    m_breakpointMargin->setGeometry(layout.algorithmList.left() - m_layoutUnit, layout.algorithmList.top(),
                                    m_layoutUnit, layout.algorithmList.height());
    connect(m_breakpointMargin, &BreakpointMargin::runToRowRequested, m_session, &WorkSession::runTo);

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

    client->installEventFilter(this);
}

void WorkWindow::connectAlgorithmList()
{
    // The selected row of the list and the current line of the text are one and the same.
    AlgorithmText *algorithm = &m_session->algorithm();
    connect(algorithm, &AlgorithmText::currentRowChanged, this, [this, algorithm](int row) {
        const QModelIndex index = algorithm->index(row, 0);
        if (m_algorithmList->currentIndex() != index) {
            m_algorithmList->setCurrentIndex(index);
            if (!index.isValid())
                m_algorithmList->clearSelection();
        }
        if (index.isValid())
            m_algorithmList->scrollTo(index);
    });
    connect(m_algorithmList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [algorithm](const QModelIndex &current) {
                if (current.isValid() && current.row() != algorithm->currentRow())
                    algorithm->setCurrentRow(current.row());
            });
    m_algorithmList->setCurrentIndex(algorithm->index(algorithm->currentRow(), 0));
}

void WorkWindow::connectSession()
{
    connect(m_session, &WorkSession::stageChanged, this, &WorkWindow::applyStage);
    connect(m_session, &WorkSession::taskRead, this, &WorkWindow::showTask);
    connect(m_session, &WorkSession::fieldSizeChanged, this, &WorkWindow::showFieldSize);
    connect(m_session, &WorkSession::fieldChanged, this, &WorkWindow::refreshField);
    connect(m_session, &WorkSession::statisticsChanged, this, [this](const QStringList &rows) {
        m_statisticsList->clear();
        m_statisticsList->addItems(rows);
    });
    connect(m_session, &WorkSession::runStarted, this, [this] { showRunning(true); });
    connect(m_session, &WorkSession::runEnded, this, [this] { showRunning(false); });
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

void WorkWindow::applyStage(WorkStage stage)
{
    m_stages.apply(stage);
    m_menu->keepSizeOffer();
    m_breakpointMargin->setRunToOffered(stage == WorkStage::Debugging);
}

QWidget &WorkWindow::taskStatement() const
{
    return *m_taskStatement;
}

void WorkWindow::showTask()
{
    const TaskData &task = m_session->task();
    m_taskStatement->setStatement(task.statement);
    m_menu->setOfferedSizes(task.sizeMenuEnabled, task.sizeItemEnabled);
}

void WorkWindow::showFieldSize()
{
    m_fieldPanel->setFieldGeometry(m_session->scene().geometry());
    m_fieldPanel->refresh();
}

void WorkWindow::refreshField(const QRect &changed)
{
    if (changed.isNull())
        m_fieldPanel->refresh();
    else
        m_fieldPanel->refresh(changed);
}

void WorkWindow::showRunning(bool running)
{
    m_runTools->setSpeedButtonsEnabled(!running);
    m_menu->setRunning(running);
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

void WorkWindow::nMainBeginClick()
{
    if (m_session->begin())
        emit taskLoadRequested();
}

void WorkWindow::nMainWorkClick()
{
    // The stage's controls were off until now, so the keys belong to nobody: the pupil who
    // chose the stage from the keyboard goes on with the arrows and Delete in the algorithm.
    if (m_session->enterDevelopment() && !hasFocusedControl())
        focusAlgorithm();
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
        emit escapePressed();
        return;
    }
    // "Один шаг" works during a run and while it is paused. F10 is left alone: it is the
    // key that opens the menu bar.
    if (key == Qt::Key_F9) {
        if (m_session->stage() == WorkStage::Debugging)
            m_session->step();
        return;
    }
    // During a run the text under the interpreter must not change; before a task is open
    // there is no algorithm to edit.
    if (m_session->isRunning() || m_session->stage() == WorkStage::NotStarted)
        return;
    for (const auto &[functionKey, command] : functionKeys) {
        if (key == functionKey) {
            emit panelCommandTriggered(command);
            return;
        }
    }
}

void WorkWindow::triggerPanelCommand(PanelCommand command)
{
    if (m_session->isRunning())
        return;
    emit panelCommandTriggered(command);
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
        // Every press of "Один шаг" is a line; a held key steps on from each pause, but its
        // repeats during a line would pile up steps long after it is let go.
        const bool repeatDuringLine = key->isAutoRepeat() && m_session->isRunning() && !m_session->isPaused();
        if (firstReceiver && widget->window() == this) {
            if (!modified && !repeatDuringLine)
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
            emit freeAreaClicked();
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
    if (m_session->isRunning()) {
        // The run ends at its next test for a stop, and the window closes then. A close the
        // pupil cancels after that is over, not kept for the next run.
        event->ignore();
        if (!m_closeWhenRunEnds)
            m_closeWhenRunEnds = connect(
                m_session, &WorkSession::runEnded, this,
                [this] { QTimer::singleShot(0, this, &QWidget::close); }, Qt::SingleShotConnection);
        m_session->stopRun();
        return;
    }
    QMainWindow::closeEvent(event);
}
