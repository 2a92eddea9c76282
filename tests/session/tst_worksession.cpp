// The work session's stage rules without any window: which intents each stage and a run
// under way allow, and what they leave of the field, the walls and their swap timers.
#include "editor/algorithmfile.h"
#include "editor/algorithmtext.h"
#include "judge/passtexts.h"
#include "judge/testworld.h"
#include "session/worksession.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// Two variable walls at 12 × 12 only.
TaskData taskWithWalls()
{
    TaskData task;
    task.hasPointB = true;
    task.describedSizes = {true, true, true, true};
    for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size)
        task.size(size).start = {qint16(size - 12), 2, 90};
    task.size(12).walls.variable = {VariableWall{{"H", 1, 5}, {"V", 2, 6}},
                                    VariableWall{{"V", 8, 8}, {"H", 9, 9}}};
    return task;
}

// Walks to the border, turns round and walks back: seconds of lines at the slow speed.
const QStringList walk{"НАЧ",     "ПОКА впереди НЕ стена", "НЦ", "ШАГ", "КЦ", "ПОВОРОТ",
                       "ПОВОРОТ", "ПОКА впереди НЕ стена", "НЦ", "ШАГ", "КЦ", "КОН"};

// One intent of the pupil, by a short name; "run" and "stop" wait for the run's end.
void apply(WorkSession &session, const QString &step)
{
    QSignalSpy ended(&session, &WorkSession::runEnded);
    const std::map<QString, std::function<void()>> intents{
        {"begin", [&] { session.begin(); }},
        {"open", [&] { session.openTask(taskWithWalls()); }},
        {"cancel", [&] { session.cancelBegin(); }},
        {"development", [&] { session.enterDevelopment(); }},
        {"debugging", [&] { session.enterDebugging(); }},
        {"size12", [&] { session.chooseFieldSize(12); }},
        {"size13", [&] { session.chooseFieldSize(13); }},
        {"walk", [&] { session.algorithm().setLines(walk); }},
        {"start", [&] { session.chooseSpeed(RunSpeed::Slow); }},
        {"step", [&] { session.step(); }},
        {"stop", [&] { session.stopRun(); }},
        {"run", [&] { session.chooseSpeed(RunSpeed::Fastest); }},
        {"replay2", [&] { session.replayTest(taskTests(session.task()).at(1), RunSpeed::Fastest); }},
    };
    QVERIFY2(intents.count(step), qPrintable(step));
    intents.at(step)();
    if (step == u"run" || step == u"stop" || (step == u"replay2" && session.isRunning()))
        QVERIFY(ended.wait(5000));
}

const char *stageName(WorkStage stage)
{
    switch (stage) {
    case WorkStage::NotStarted: return "none";
    case WorkStage::Begin: return "Начать";
    case WorkStage::Development: return "Разработка";
    case WorkStage::Debugging: return "Отладка";
    }
    return "?";
}

// "<stage> <run|idle> <size> walls <selectors> timers <which swap timers run>"
QString state(const WorkSession &session)
{
    QString selectors, timers;
    for (const int selector : session.world().walls.selectors)
        selectors += QString::number(selector);
    for (const QTimer *timer : session.variableWallTimers())
        timers += timer->isActive() ? u'1' : u'0';
    return QStringLiteral("%1 %2 %3 walls %4 timers %5")
        .arg(QString::fromUtf8(stageName(session.stage())),
             session.isRunning() ? QStringLiteral("run") : QStringLiteral("idle"),
             QString::number(session.world().fieldSize), selectors, timers);
}

} // namespace

class TestWorkSession : public QObject
{
    Q_OBJECT

private slots:
    void stages_data();
    void stages();
    void developmentRedrawsField();
    void runPausesAndSteps();
    void preparedTestIsTheJudgesField();
    void runListsJudgedPasses_data();
    void runListsJudgedPasses();
};

void TestWorkSession::stages_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");

    const QString debugging = "begin open development debugging ";
    QTest::newRow("new") << ""
                         << "none idle 12 walls 000 timers 000";
    QTest::newRow("task open") << "begin open"
                               << "Начать idle 12 walls 110 timers 110";
    QTest::newRow("task refused") << "begin cancel"
                                  << "none idle 12 walls 000 timers 000";
    QTest::newRow("begin again resets") << "begin open begin"
                                        << "Начать idle 12 walls 000 timers 000";
    QTest::newRow("debugging") << debugging << "Отладка idle 12 walls 110 timers 110";
    QTest::newRow("size without walls") << debugging + "size13"
                                        << "Отладка idle 13 walls 000 timers 000";
    QTest::newRow("size back: walls swap again") << debugging + "size13 size12"
                                                 << "Отладка idle 12 walls 110 timers 110";
    QTest::newRow("a run stops the swaps") << debugging + "walk start"
                                           << "Отладка run 12 walls 110 timers 000";
    QTest::newRow("no stage nor size during a run") << debugging + "walk start development size13 begin"
                                                    << "Отладка run 12 walls 110 timers 000";
    QTest::newRow("stopped") << debugging + "walk start stop"
                             << "Отладка idle 12 walls 110 timers 000";
    QTest::newRow("after a run the walls stay still") << debugging + "run size13 size12"
                                                      << "Отладка idle 12 walls 000 timers 000";
    QTest::newRow("development after a run swaps again") << debugging + "run development"
                                                         << "Разработка idle 12 walls 110 timers 110";
    QTest::newRow("a test alone: its walls stand after it") << debugging + "walk replay2"
                                                            << "Отладка idle 12 walls 120 timers 000";
    QTest::newRow("no test alone outside Отладка") << "begin open development walk replay2"
                                                   << "Разработка idle 12 walls 110 timers 110";
    QTest::newRow("a step outside Отладка starts nothing") << "begin open development step"
                                                           << "Разработка idle 12 walls 110 timers 110";
    QTest::newRow("a step in Отладка starts a run") << debugging + "step"
                                                    << "Отладка run 12 walls 110 timers 000";
}

void TestWorkSession::stages()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);

    WorkSession session(10);
    for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
        apply(session, step);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(state(session), expected);
    QCOMPARE(session.scene().geometry(), FieldGeometry::compute(10, session.world().fieldSize));
}

void TestWorkSession::developmentRedrawsField()
{
    WorkSession session(10);
    for (const char *step : {"begin", "open", "development"})
        apply(session, QString::fromLatin1(step));
    const QImage fresh = session.scene().picture();
    for (const char *step : {"debugging", "walk", "run"})
        apply(session, QString::fromLatin1(step));
    // The run left the executor turned round, with a trace behind it.
    QCOMPARE(session.world().executor.heading, qint16(270));
    QVERIFY(session.scene().picture() != fresh);
    QVERIFY(session.enterDevelopment());
    QCOMPARE(session.world().executor, (ExecutorState{0, 2, 90}));
    QCOMPARE(session.scene().picture(), fresh);
}

void TestWorkSession::runPausesAndSteps()
{
    WorkSession session(10);
    for (const char *step : {"begin", "open", "development", "debugging", "walk"})
        apply(session, QString::fromLatin1(step));
    QSignalSpy paused(&session, &WorkSession::paused);
    const auto pausedOn = [&] { return paused.wait(2000) ? paused.last().at(0).toInt() : -1; };
    // A run starts and goes on from the event loop: the intent returns at once, paused on the title.
    session.step();
    QVERIFY(session.isRunning());
    QCOMPARE(pausedOn(), 0);
    QCOMPARE(session.algorithm().currentRow(), 0);
    session.step();
    QCOMPARE(pausedOn(), 1);
    QCOMPARE(session.delays(), DelaySettings::forSpeed(RunSpeed::Slow));
    // Steps asked for during a step are each taken in turn.
    for (int i = 0; i < 3; ++i)
        session.step();
    for (int row : {2, 3, 4})
        QCOMPARE(pausedOn(), row);
    QVERIFY(!paused.wait(1000));
    // A speed button takes it on at that speed; the pause button holds it again.
    session.chooseSpeed(RunSpeed::Fastest);
    QVERIFY(!session.isPaused());
    QCOMPARE(session.delays(), DelaySettings::forSpeed(RunSpeed::Fastest));
    session.togglePause();
    QCOMPARE(pausedOn(), 1);
    // Run to the cursor goes on to its line.
    session.runTo(9);
    QCOMPARE(pausedOn(), 9);
    QSignalSpy ended(&session, &WorkSession::runEnded);
    session.stopRun();
    QVERIFY(ended.wait(2000));
    QCOMPARE(ended.first().at(0).value<RunEnd>(), RunEnd::Stopped);
    QVERIFY(!session.isPaused());
}

void TestWorkSession::preparedTestIsTheJudgesField()
{
    WorkSession session(10);
    apply(session, QStringLiteral("begin"));
    apply(session, QStringLiteral("open"));
    const QList<TaskTest> tests = taskTests(session.task());
    QCOMPARE(tests.size(), 7);
    for (const TaskTest &test : tests) {
        QVERIFY(session.prepareTest(test));
        const World judged = testField(session.task(), test);
        QCOMPARE(session.world().fieldSize, judged.fieldSize);
        QCOMPARE(session.world().executor, judged.executor);
        QCOMPARE(session.world().walls.walls, judged.walls.walls);
        QCOMPARE(session.world().walls.selectors, judged.walls.selectors);
        // The walls stand still where the test puts them.
        QVERIFY2(state(session).endsWith(u"timers 000"), qPrintable(state(session)));
    }
}

void TestWorkSession::runListsJudgedPasses_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    const QString maze = SHAGAIKA_SOURCE_DIR "/tests/cli/jury/maze/";
    QTest::newRow("every pass on Б") << maze + "good.txt" << QStringList(8, "дошёл до Б");
    QStringList once(8, "дошёл до Б");
    once[4] = "остановился в (10,6)";
    QTest::newRow("one arrangement wrong")
        << SHAGAIKA_SOURCE_DIR "/docs/replay-example/wrong-once.txt" << once;
    QTest::newRow("a crash ends the list") << maze + "straight.txt" << QStringList{"столкновение в строке 7"};
}

void TestWorkSession::runListsJudgedPasses()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    const AlgorithmFileResult read = readAlgorithmFile(file);
    WorkSession session(10);
    QVERIFY(session.openForReplay(SHAGAIKA_SOURCE_DIR "/examples/maze", read.lines).isLoaded());
    QSignalSpy ended(&session, &WorkSession::runEnded);
    session.chooseSpeed(RunSpeed::Fastest);
    QVERIFY(ended.wait(20000));
    QStringList texts;
    for (const TestPass &pass : session.runPasses())
        texts << passEndingText(pass, true, false);
    QCOMPARE(texts, expected);

    // A pass run alone again leaves the list, and the test's walls stand.
    const TestPass last = session.runPasses().last();
    QVERIFY(session.replayPass(int(texts.size()) - 1));
    QVERIFY(ended.wait(20000));
    QCOMPARE(session.runPasses().size(), texts.size());
    QCOMPARE(QList<int>(session.world().walls.selectors.begin(), session.world().walls.selectors.begin() + 3),
             last.arrangement);
    QCOMPARE(session.world().executor.column, last.executor.column);
    session.algorithm().setLines(read.lines);
    QVERIFY(session.runPasses().isEmpty());
}

QTEST_MAIN(TestWorkSession)
#include "tst_worksession.moc"
