#include "session/worksession.h"

#include "editor/algorithmtext.h"
#include "session/breakpoints.h"
#include "session/timedrun.h"
#include "session/variablewallswaps.h"
#include "tasks/check/patternpicture.h"
#include "tasks/setup/taskfolder.h"
#include "tasks/setup/tasksetup.h"
#include "world/model/runcontrol.h"

WorkSession::WorkSession(int layoutUnit, QObject *parent)
    : QObject(parent)
    , m_layoutUnit(layoutUnit)
    , m_algorithm(new AlgorithmText(this))
    , m_breakpoints(new Breakpoints(*m_algorithm, this))
    , m_scene(FieldGeometry::compute(layoutUnit, TaskData::firstSize))
    , m_wallSwaps(new VariableWallSwaps(m_world.walls, m_scene, this))
    , m_run(new TimedRun(m_world, m_scene, this))
{
    setObjectName(QStringLiteral("workSession"));
    m_world.fieldSize = TaskData::firstSize;
    connect(m_wallSwaps, &VariableWallSwaps::swapped, this, &WorkSession::fieldChangedWhole);
    connect(m_run, &TimedRun::lineShown, this, [this](int row) { m_algorithm->setCurrentRow(row); });
    connect(m_run, &TimedRun::fieldChanged, this, &WorkSession::fieldChanged);
    connect(m_run, &TimedRun::messageRaised, this, &WorkSession::messageRaised);
    connect(m_run, &TimedRun::paused, this, &WorkSession::runPaused);
    connect(m_run, &TimedRun::resumed, this, &WorkSession::resumed);
    connect(m_run, &TimedRun::finished, this, &WorkSession::runFinished);
    connect(m_breakpoints, &Breakpoints::changed, this, [this] {
        if (m_running)
            applyPauseRows();
    });
    resetWork();
}

WorkSession::~WorkSession() = default;

QList<QTimer *> WorkSession::variableWallTimers() const
{
    return m_wallSwaps->timers();
}

bool WorkSession::isPaused() const
{
    return m_run->isPaused();
}

const DelaySettings &WorkSession::delays() const
{
    return m_run->delays();
}

std::vector<CallChainRow> WorkSession::callChainRows() const
{
    return ::callChainRows(m_run->callChain(), m_algorithm->lines());
}

void WorkSession::fieldChangedWhole()
{
    // What the scene noted as painted is all shown now: a run reports only its own changes.
    m_scene.takePaintedArea();
    emit fieldChanged(QRect());
}

void WorkSession::applyStage(WorkStage stage)
{
    m_stage = stage;
    emit stageChanged(stage);
}

void WorkSession::resetWork()
{
    m_algorithm->setLines({QString()});
    m_algorithm->setCurrentRow(0);
    // No walls, and no selector pointing at a wall that is gone.
    m_wallSwaps->stop();
    m_world.walls = WallModel{};
    m_scene.drawEmptyField();
    fieldChangedWhole();
    applyStage(WorkStage::NotStarted);
}

bool WorkSession::begin()
{
    if (m_running)
        return false;
    resetWork();
    applyStage(WorkStage::Begin);
    return true;
}

void WorkSession::cancelBegin()
{
    // Nothing to edit or run without a task: only "Начать" again, with what was read on show.
    applyStage(WorkStage::NotStarted);
}

TaskOpening WorkSession::openTaskFolder(const QString &folder)
{
    const TaskFolder taskFolder(folder);
    TaskFileResult read = taskFolder.readTask();
    m_task = read.task;
    m_pattern = QImage();
    emit taskRead();
    if (!read.isOk()) {
        const auto outcome = taskFolder.taskFilePath().isEmpty() ? TaskOpening::Outcome::NoTaskFile
                                                                 : TaskOpening::Outcome::Failed;
        return {outcome, read.error, {}};
    }
    if (m_task.hasPattern) {
        if (std::optional<TaskFileError> missing = taskFolder.checkPattern(m_task))
            return {TaskOpening::Outcome::Failed, missing, {}};
        PatternPicture picture = readPatternPicture(taskFolder.patternFilePath());
        if (!picture.isOk())
            return {TaskOpening::Outcome::Failed, std::nullopt, picture.reason};
        m_pattern = std::move(picture.image);
    }
    setUpField();
    emit taskLoaded();
    return {};
}

void WorkSession::openTask(const TaskData &task, const QImage &pattern)
{
    m_task = task;
    m_pattern = pattern;
    emit taskRead();
    setUpField();
    emit taskLoaded();
}

void WorkSession::setUpField()
{
    setFieldSize(TaskData::firstSize);
    setUpTaskField(m_task, m_world, &m_scene);
    // The editor's procedure names start again from the new text when the task is loaded.
    QStringList procedureNames;
    setStatistics(startAlgorithm(*m_algorithm, procedureNames, m_task.hasPointB));
    m_wallSwaps->startSwapping();
    fieldChangedWhole();
}

void WorkSession::setFieldScale(int scale)
{
    m_scene.setScale(scale);
    fieldChangedWhole();
}

void WorkSession::setFieldSize(int fieldSize)
{
    m_world.fieldSize = qint16(fieldSize);
    m_scene.setGeometry(FieldGeometry::compute(m_layoutUnit, fieldSize));
    emit fieldSizeChanged(fieldSize);
}

bool WorkSession::enterDevelopment()
{
    // The stages belong between runs: the run's frame would be lost.
    if (m_running)
        return false;
    applyStage(WorkStage::Development);
    m_scene.drawEmptyField();
    m_scene.drawTaskObjects(m_world);
    m_wallSwaps->show();
    fieldChangedWhole();
    emit developmentEntered();
    return true;
}

bool WorkSession::enterDebugging()
{
    if (m_running)
        return false;
    applyStage(WorkStage::Debugging);
    return true;
}

void WorkSession::chooseFieldSize(int fieldSize)
{
    if (m_running || fieldSize < TaskData::firstSize || fieldSize > TaskData::lastSize)
        return;
    setFieldSize(fieldSize);
    changeFieldSize(m_task, m_world, fieldSize, &m_scene);
    // Where the walls were swapping, the new size's walls show and swap from their first
    // variant; after a run they stay still, as the run left them.
    if (m_wallSwaps->isSwapping())
        m_wallSwaps->show();
    else
        m_wallSwaps->stopMissing();
    fieldChangedWhole();
}

bool WorkSession::prepareTest(const TaskTest &test)
{
    if (m_running || test.fieldSize < TaskData::firstSize || test.fieldSize > TaskData::lastSize)
        return false;
    m_wallSwaps->stop();
    setFieldSize(test.fieldSize);
    changeFieldSize(m_task, m_world, test.fieldSize, &m_scene);
    const int walls = qMin(m_world.walls.variableWallCount(), int(test.arrangement.size()));
    for (int i = 0; i < walls; ++i)
        setVariableWall(m_world.walls, i, test.arrangement[i], &m_scene);
    fieldChangedWhole();
    return true;
}

void WorkSession::setPoints(const StartPosition &start, CellPosition pointB)
{
    m_scene.drawEmptyField();
    m_world.start = start;
    m_world.pointB = pointB;
    m_scene.drawTaskObjects(m_world);
    fieldChangedWhole();
}

void WorkSession::setStatistics(const QStringList &rows)
{
    m_statistics = rows;
    emit statisticsChanged(rows);
}

void WorkSession::chooseSpeed(RunSpeed speed)
{
    if (!m_running) {
        startRun(speed, false);
        return;
    }
    m_lastSpeed = speed;
    if (!m_run->isPaused())
        return;
    m_chosenDelays = DelaySettings::forSpeed(speed);
    m_run->goOn(m_chosenDelays);
}

void WorkSession::togglePause()
{
    if (!m_running)
        return;
    if (m_run->isPaused())
        goOnAtChosenSpeed();
    else
        m_run->pauseAfterLine();
}

void WorkSession::step()
{
    if (!m_running) {
        if (m_stage == WorkStage::Debugging)
            startRun(RunSpeed::Slow, true);
        return;
    }
    m_run->step();
}

void WorkSession::runTo(int row)
{
    if (!m_breakpoints->canHold(row))
        return;
    if (!m_running) {
        if (m_stage != WorkStage::Debugging)
            return;
        m_runToRow = row;
        startRun(m_lastSpeed, false);
        return;
    }
    m_runToRow = row;
    applyPauseRows();
    if (m_run->isPaused())
        goOnAtChosenSpeed();
}

void WorkSession::stopRun()
{
    m_run->stop();
}

void WorkSession::startRun(RunSpeed speed, bool stepping)
{
    if (m_running)
        return;
    m_running = true;
    m_wallSwaps->stop();
    emit runStarted();
    m_chosenDelays = DelaySettings::forSpeed(speed);
    // A speed button started this run: "Выполнить до курсора" starts its runs so too.
    if (!stepping && m_runToRow < 0)
        m_lastSpeed = speed;
    m_run->start(m_algorithm->lines(), m_chosenDelays, stepping, m_algorithm->currentRow());
    // A run without breakpoints never looks for them.
    if (!m_breakpoints->rows().isEmpty() || m_runToRow >= 0)
        applyPauseRows();
}

void WorkSession::goOnAtChosenSpeed()
{
    // After single steps, the run goes on at the speed chosen for it.
    m_run->goOn(m_chosenDelays);
}

void WorkSession::applyPauseRows()
{
    QList<int> rows = m_breakpoints->rows();
    if (m_runToRow >= 0)
        rows << m_runToRow;
    m_run->setPauseRows(rows);
}

void WorkSession::runPaused(int row)
{
    // "Выполнить до курсора" has done its part at the first pause, wherever it came.
    if (m_runToRow >= 0) {
        m_runToRow = -1;
        applyPauseRows();
    }
    emit paused(row);
}

void WorkSession::runFinished(RunEnd end)
{
    m_runToRow = -1;
    m_running = false;
    emit runEnded(end);
}
