#include "session/worksession.h"

#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "judge/verdictrule.h"
#include "session/breakpoints.h"
#include "session/timedrun.h"
#include "session/variablewallswaps.h"
#include "tasks/check/patternpicture.h"
#include "tasks/setup/taskfolder.h"
#include "tasks/setup/tasksetup.h"
#include "world/model/arrangementworld.h"
#include "world/model/runcontrol.h"

#include <utility>

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
    // Passes of another text are no passes of this one.
    connect(m_algorithm, &QAbstractItemModel::modelReset, this, &WorkSession::clearRunPasses);
    connect(m_algorithm, &QAbstractItemModel::rowsInserted, this, &WorkSession::clearRunPasses);
    connect(m_algorithm, &QAbstractItemModel::rowsRemoved, this, &WorkSession::clearRunPasses);
    connect(m_algorithm, &QAbstractItemModel::dataChanged, this, &WorkSession::clearRunPasses);
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
    if (m_running || m_isAlgorithmLocked)
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
    clearRunPasses();
    return {};
}

void WorkSession::openTask(const TaskData &task, const QImage &pattern)
{
    m_task = task;
    m_pattern = pattern;
    emit taskRead();
    setUpField();
    emit taskLoaded();
    clearRunPasses();
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
    if (m_running || m_isAlgorithmLocked)
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

void WorkSession::setRunObserver(RunObserver *observer)
{
    m_run->setEventObserver(observer);
}

TaskOpening WorkSession::openForReplay(const QString &folder, const QStringList &lines)
{
    if (m_running)
        return {TaskOpening::Outcome::Failed, std::nullopt, {}};
    m_isAlgorithmLocked = false;
    if (!begin())
        return {TaskOpening::Outcome::Failed, std::nullopt, {}};
    TaskOpening opened = openTaskFolder(folder);
    if (!opened.isLoaded()) {
        cancelBegin();
        return opened;
    }
    m_algorithm->setLines(lines.isEmpty() ? QStringList{QString()} : lines);
    m_algorithm->setCurrentRow(0);
    setStatistics(updateStatistics(m_algorithm->lines()));
    m_isAlgorithmLocked = true;
    enterDebugging();
    return opened;
}

bool WorkSession::replayPass(int index)
{
    if (index < 0 || index >= m_runPasses.size())
        return false;
    const TestPass &pass = m_runPasses.at(index);
    return replayTest(TaskTest{pass.number, pass.fieldSize, pass.arrangement}, m_lastSpeed);
}

bool WorkSession::replayTest(const TaskTest &test, RunSpeed speed, bool paused)
{
    if (m_stage != WorkStage::Debugging)
        return false;
    if (m_running) {
        m_pendingReplay = test;
        m_pendingSpeed = speed;
        stopRun();
        return true;
    }
    if (!prepareTest(test))
        return false;
    // The run's own walls: those of the arrangement fixed, so that it makes that one pass.
    m_shownWalls = m_world.walls;
    m_world.walls = withArrangementFixed(m_world).walls;
    // A field drawn afresh, as the checker draws one test's: no variable wall ever stood on it,
    // so its letters keep their own font.
    m_scene = FieldScene(m_scene.geometry());
    m_scene.drawEmptyField();
    m_scene.drawTaskObjects(m_world);
    fieldChangedWhole();
    m_isReplaying = true;
    m_running = true;
    emit runStarted();
    m_chosenDelays = DelaySettings::forSpeed(speed);
    m_lastSpeed = speed;
    m_run->start(m_algorithm->lines(), m_chosenDelays, paused, m_algorithm->currentRow(), test.arrangement);
    if (!m_breakpoints->rows().isEmpty())
        applyPauseRows();
    return true;
}

void WorkSession::endReplay()
{
    if (!m_isReplaying)
        return;
    m_isReplaying = false;
    // The picture keeps what the pass drew; the walls are the task's again for the next run.
    m_world.walls = m_shownWalls;
}

void WorkSession::clearRunPasses()
{
    if (m_runPasses.isEmpty())
        return;
    m_runPasses.clear();
    emit runPassesChanged();
}

void WorkSession::recordRunPasses(bool ended)
{
    // A test's own run leaves the list of the whole run as it was.
    if (m_isReplaying)
        return;
    QList<PassResult> recorded = m_run->passes();
    // While paused, the pass under way has not ended yet.
    if (!ended && !recorded.isEmpty())
        recorded.removeLast();
    const QList<TaskTest> tests = taskTests(m_task);
    m_runPasses.clear();
    for (const PassResult &result : std::as_const(recorded)) {
        TestPass pass;
        pass.fieldSize = m_world.fieldSize;
        pass.arrangement = result.arrangement;
        for (const TaskTest &test : tests) {
            if (test.fieldSize == pass.fieldSize && test.arrangement == pass.arrangement)
                pass.number = test.number;
        }
        pass.end = result.end;
        pass.lines = result.lines;
        pass.executor = result.executor;
        pass.trace = result.trace;
        m_runPasses.append(pass);
    }
    // Only the last pass can end other than complete: the run ends with it.
    if (ended && !m_runPasses.isEmpty())
        m_runPasses.last().stopRow = m_run->highlightedRow();
    judgePasses(m_runPasses, m_task, {});
    emit runPassesChanged();
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
    clearRunPasses();
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
    recordRunPasses(false);
    emit paused(row);
}

void WorkSession::runFinished(RunEnd end)
{
    m_runToRow = -1;
    m_running = false;
    // A run stopped for a test of its list leaves the list as it was.
    if (!m_pendingReplay)
        recordRunPasses(true);
    endReplay();
    emit runEnded(end);
    if (m_pendingReplay) {
        const TaskTest test = *std::exchange(m_pendingReplay, std::nullopt);
        replayTest(test, m_pendingSpeed);
    }
}
