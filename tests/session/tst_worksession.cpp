// The work session's stage rules without any window: which intents each stage and a run
// under way allow, and what they leave of the field, the walls and their swap timers.
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(WorkStage)

namespace {

// Two variable walls at 12 × 12 only; the executor starts one column further right on
// every larger size.
TaskData taskWithWalls()
{
    TaskData task;
    task.hasPointB = true;
    task.describedSizes = {true, true, true, true};
    for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
        TaskSizeData &data = task.size(size);
        data.start = {qint16(size - 12), 2, 90};
        data.pointB = {qint16(size - 2), qint16(size - 3)};
        data.walls.horizontal = {{3, 3}, {4, 3}};
        if (size == 12)
            data.walls.variable = {VariableWall{{"H", 1, 5}, {"V", 2, 6}},
                                   VariableWall{{"V", 8, 8}, {"H", 9, 9}}};
    }
    return task;
}

// Walks to the border, turns round and walks back: seconds of lines at the slow speed.
const QStringList walk{"НАЧ",     "ПОКА впереди НЕ стена", "НЦ", "ШАГ", "КЦ", "ПОВОРОТ",
                       "ПОВОРОТ", "ПОКА впереди НЕ стена", "НЦ", "ШАГ", "КЦ", "КОН"};

// One intent of the pupil, by a short name; "run" waits for the run's end.
void apply(WorkSession &session, const QString &step)
{
    if (step == u"begin")
        session.begin();
    else if (step == u"open")
        session.openTask(taskWithWalls());
    else if (step == u"cancel")
        session.cancelBegin();
    else if (step == u"development")
        session.enterDevelopment();
    else if (step == u"debugging")
        session.enterDebugging();
    else if (step.startsWith(u"size "))
        session.chooseFieldSize(step.mid(5).toInt());
    else if (step == u"walk")
        session.algorithm().setLines(walk);
    else if (step == u"start")
        session.chooseSpeed(RunSpeed::Slow);
    else if (step == u"step")
        session.step();
    else if (step == u"pause")
        session.togglePause();
    else if (step == u"stop" || step == u"run") {
        QSignalSpy ended(&session, &WorkSession::runEnded);
        if (step == u"stop")
            session.stopRun();
        else
            session.chooseSpeed(RunSpeed::Fastest);
        QVERIFY(ended.wait(5000));
    } else
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
}

QString activeTimers(const WorkSession &session)
{
    QString active;
    for (const QTimer *timer : session.variableWallTimers())
        active += timer->isActive() ? u'1' : u'0';
    return active;
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
};

void TestWorkSession::stages_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<WorkStage>("stage");
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("fieldSize");
    // The selectors of the three variable walls and which swap timers run.
    QTest::addColumn<QString>("selectors");
    QTest::addColumn<QString>("timers");

    using S = WorkStage;
    const QStringList debugging{"begin", "open", "development", "debugging"};
    QTest::newRow("new") << QStringList{} << S::NotStarted << false << 12 << "000"
                         << "000";
    QTest::newRow("begin") << QStringList{"begin"} << S::Begin << false << 12 << "000"
                           << "000";
    QTest::newRow("task open") << QStringList{"begin", "open"} << S::Begin << false << 12 << "110"
                               << "110";
    QTest::newRow("task refused") << QStringList{"begin", "cancel"} << S::NotStarted << false << 12 << "000"
                                  << "000";
    QTest::newRow("begin again resets")
        << QStringList{"begin", "open", "begin"} << S::Begin << false << 12 << "000"
        << "000";
    QTest::newRow("development") << QStringList{"begin", "open", "development"} << S::Development << false
                                 << 12 << "110"
                                 << "110";
    QTest::newRow("debugging") << debugging << S::Debugging << false << 12 << "110"
                               << "110";
    QTest::newRow("size without walls")
        << debugging + QStringList{"size 13"} << S::Debugging << false << 13 << "000"
        << "000";
    QTest::newRow("size back, walls swap again")
        << debugging + QStringList{"size 13", "size 12"} << S::Debugging << false << 12 << "110"
        << "110";
    QTest::newRow("a run stops the swaps")
        << debugging + QStringList{"walk", "start"} << S::Debugging << true << 12 << "110"
        << "000";
    QTest::newRow("no stage nor size during a run")
        << debugging + QStringList{"walk", "start", "development", "size 13", "begin"} << S::Debugging << true
        << 12 << "110"
        << "000";
    QTest::newRow("stopped") << debugging + QStringList{"walk", "start", "stop"} << S::Debugging << false
                             << 12 << "110"
                             << "000";
    QTest::newRow("after a run the walls stay still")
        << debugging + QStringList{"run", "size 13", "size 12"} << S::Debugging << false << 12 << "000"
        << "000";
    QTest::newRow("development after a run swaps again")
        << debugging + QStringList{"run", "development"} << S::Development << false << 12 << "110"
        << "110";
    QTest::newRow("a step outside Отладка starts nothing")
        << QStringList{"begin", "open", "development", "step"} << S::Development << false << 12 << "110"
        << "110";
    QTest::newRow("a step in Отладка starts a paused run")
        << debugging + QStringList{"step"} << S::Debugging << true << 12 << "110"
        << "000";
}

void TestWorkSession::stages()
{
    QFETCH(QStringList, steps);
    QFETCH(WorkStage, stage);
    QFETCH(bool, running);
    QFETCH(int, fieldSize);
    QFETCH(QString, selectors);
    QFETCH(QString, timers);

    WorkSession session(10);
    for (const QString &step : steps) {
        apply(session, step);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(session.stage(), stage);
    QCOMPARE(session.isRunning(), running);
    QCOMPARE(int(session.world().fieldSize), fieldSize);
    QCOMPARE(session.scene().geometry(), FieldGeometry::compute(10, fieldSize));
    QString shown;
    for (const int selector : session.world().walls.selectors)
        shown += QString::number(selector);
    QCOMPARE(shown, selectors);
    QCOMPARE(activeTimers(session), timers);
}

void TestWorkSession::developmentRedrawsField()
{
    WorkSession session(10);
    for (const char *step : {"begin", "open", "development"})
        apply(session, QString::fromLatin1(step));
    const QImage fresh = session.scene().picture();
    for (const char *step : {"debugging", "walk", "run"})
        apply(session, QString::fromLatin1(step));
    // The run left the executor away from А and a trace behind it.
    QCOMPARE(session.world().executor.column, 0);
    QVERIFY(session.world().executor.heading != 90);
    const QImage afterRun = session.scene().picture();
    QSignalSpy redrawn(&session, &WorkSession::fieldChanged);
    QVERIFY(session.enterDevelopment());
    QCOMPARE(session.world().executor, (ExecutorState{0, 2, 90}));
    QVERIFY(session.scene().picture() != afterRun);
    QVERIFY(!redrawn.isEmpty());
    QCOMPARE(session.scene().picture(), fresh);
}

void TestWorkSession::runPausesAndSteps()
{
    WorkSession session(10);
    for (const char *step : {"begin", "open", "development", "debugging", "walk"})
        apply(session, QString::fromLatin1(step));
    QSignalSpy paused(&session, &WorkSession::paused);
    QSignalSpy resumed(&session, &WorkSession::resumed);
    // A run starts and goes on from the event loop: the intent returns at once.
    session.step();
    QVERIFY(session.isRunning());
    QVERIFY(paused.wait(2000));
    QCOMPARE(paused.last().at(0).toInt(), 0);
    QVERIFY(session.isPaused());
    QCOMPARE(session.algorithm().currentRow(), 0);
    QCOMPARE(session.delays(), DelaySettings::forSpeed(RunSpeed::Slow));

    // One step runs the line and pauses at the next.
    session.step();
    QCOMPARE(resumed.count(), 1);
    QVERIFY(paused.wait(2000));
    QCOMPARE(paused.last().at(0).toInt(), 1);

    // A speed button takes it on at that speed; the pause button holds it again.
    session.chooseSpeed(RunSpeed::Fastest);
    QVERIFY(!session.isPaused());
    QCOMPARE(session.delays(), DelaySettings::forSpeed(RunSpeed::Fastest));
    session.togglePause();
    QVERIFY(paused.wait(2000));

    // A breakpoint set while paused holds the run at its line; run to the cursor likewise.
    session.runTo(9);
    QVERIFY(paused.wait(2000));
    QCOMPARE(paused.last().at(0).toInt(), 9);

    QSignalSpy ended(&session, &WorkSession::runEnded);
    session.stopRun();
    QVERIFY(ended.wait(2000));
    QCOMPARE(ended.first().at(0).value<RunEnd>(), RunEnd::Stopped);
    QVERIFY(!session.isRunning());
    QVERIFY(!session.isPaused());
}

QTEST_MAIN(TestWorkSession)
#include "tst_worksession.moc"
