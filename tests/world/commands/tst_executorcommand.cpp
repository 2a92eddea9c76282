#include "world/commands/executorcommand.h"
#include "world/commands/runtexts.h"
#include "world/model/world.h"
#include "world/run/runeventlog.h"

#include "world/recordingcanvas.h"

#include <QTest>

Q_DECLARE_METATYPE(ExecutorState)

namespace {

struct Played
{
    QList<int> waits;
    int messages = 0;
};

// Advances the command to its end, noting every pause.
Played play(ExecutorCommand &command, const CommandContext &context)
{
    Played played;
    for (int guard = 0; guard < 1000; ++guard) {
        const ExecutorCommand::Pause pause = command.advance(context);
        switch (pause.kind) {
        case ExecutorCommand::Pause::Kind::Wait: played.waits.append(pause.milliseconds); break;
        case ExecutorCommand::Pause::Kind::Message: ++played.messages; break;
        case ExecutorCommand::Pause::Kind::Done: return played;
        }
    }
    qFatal("command never ended");
}

class RefreshCounter : public RunEventLog
{
public:
    int refreshes = 0;
    void fieldRefreshed() override { ++refreshes; }
};

} // namespace

class TestExecutorCommand : public QObject
{
    Q_OBJECT

private slots:
    void turn_data()
    {
        QTest::addColumn<int>("heading");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<int>("newHeading");

        QTest::newRow("0") << 0 << QStringList{"executor 4 5 0", "executor 4 5 45", "executor 4 5 90"} << 90;
        QTest::newRow("90") << 90 << QStringList{"executor 4 5 90", "executor 4 5 135", "executor 4 5 180"}
                            << 180;
        QTest::newRow("180") << 180 << QStringList{"executor 4 5 180", "executor 4 5 225", "executor 4 5 270"}
                             << 270;
        QTest::newRow("270 becomes 0, never 360")
            << 270 << QStringList{"executor 4 5 270", "executor 4 5 315", "executor 4 5 0"} << 0;
    }

    void turn()
    {
        QFETCH(int, heading);
        QFETCH(QStringList, pictures);
        QFETCH(int, newHeading);

        World world;
        world.executor = {4, 5, qint16(heading)};
        RecordingCanvas canvas;
        RefreshCounter log;
        const DelaySettings delays{77, 100, 500};
        ExecutorCommand command(ExecutorCommand::Kind::Turn);
        const Played played = play(command, {world, &canvas, &log, delays});

        QCOMPARE(canvas.pictures(), pictures);
        QCOMPARE(canvas.calls.count(QStringLiteral("restore 4 5")), 3);
        QCOMPARE(played.waits, (QList<int>{77, 77}));
        QCOMPARE(played.messages, 0);
        QCOMPARE(log.refreshes, 3);
        QCOMPARE(world.executor, (ExecutorState{4, 5, qint16(newHeading)}));
        QCOMPARE(log.lines(), QStringList{QStringLiteral("turn %1").arg(newHeading)});
        QVERIFY(!command.hasCrashed());
    }

    void move_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<ExecutorState>("executor");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("event");

        const int step = int(ExecutorCommand::Kind::Step);
        const int jump = int(ExecutorCommand::Kind::Jump);
        QTest::newRow("step right") << step << ExecutorState{2, 3, 0}
                                    << QStringList{"restore 2 3", "trace 2 3 3 3", "save 3 3",
                                                   "executor 3 3 0"}
                                    << "step 3 3";
        QTest::newRow("step up") << step << ExecutorState{2, 3, 90}
                                 << QStringList{"restore 2 3", "trace 2 3 2 2", "save 2 2", "executor 2 2 90"}
                                 << "step 2 2";
        QTest::newRow("step left") << step << ExecutorState{2, 3, 180}
                                   << QStringList{"restore 2 3", "trace 2 3 1 3", "save 1 3",
                                                  "executor 1 3 180"}
                                   << "step 1 3";
        QTest::newRow("step down") << step << ExecutorState{2, 3, 270}
                                   << QStringList{"restore 2 3", "trace 2 3 2 4", "save 2 4",
                                                  "executor 2 4 270"}
                                   << "step 2 4";
        QTest::newRow("jump leaves no trace")
            << jump << ExecutorState{2, 3, 0} << QStringList{"restore 2 3", "save 3 3", "executor 3 3 0"}
            << "jump 3 3";
    }

    void move()
    {
        QFETCH(int, kind);
        QFETCH(ExecutorState, executor);
        QFETCH(QStringList, calls);
        QFETCH(QString, event);

        World world;
        world.executor = executor;
        RecordingCanvas canvas;
        RefreshCounter log;
        ExecutorCommand command{ExecutorCommand::Kind(kind)};
        const Played played = play(command, {world, &canvas, &log, DelaySettings{}});

        QCOMPARE(canvas.calls, calls);
        QVERIFY(played.waits.isEmpty());
        QCOMPARE(log.lines(), QStringList{event});
        QCOMPARE(log.refreshes, 2);
        QCOMPARE(world.executor.heading, executor.heading);
        QVERIFY(!command.hasCrashed());
    }

    void blockedMove_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<ExecutorState>("executor");
        QTest::addColumn<int>("blinkDelay");

        const int step = int(ExecutorCommand::Kind::Step);
        const int jump = int(ExecutorCommand::Kind::Jump);
        QTest::newRow("step into the right border") << step << ExecutorState{11, 4, 0} << 100;
        QTest::newRow("step into the top border") << step << ExecutorState{4, 0, 90} << 100;
        QTest::newRow("jump into the left border") << jump << ExecutorState{0, 4, 180} << 10;
        QTest::newRow("jump into the bottom border") << jump << ExecutorState{4, 11, 270} << 10;
        QTest::newRow("step into a wall") << step << ExecutorState{5, 5, 0} << 10;
    }

    void blockedMove()
    {
        QFETCH(int, kind);
        QFETCH(ExecutorState, executor);
        QFETCH(int, blinkDelay);

        World world;
        world.executor = executor;
        world.walls.walls.vertical = {{5, 5}};
        RecordingCanvas canvas;
        RefreshCounter log;
        ExecutorCommand command{ExecutorCommand::Kind(kind)};
        const Played played = play(command, {world, &canvas, &log, DelaySettings{30, blinkDelay, 500}});

        QVERIFY(command.hasCrashed());
        QCOMPARE(world.executor, executor);
        QCOMPARE(played.waits, QList<int>(40, blinkDelay));
        QCOMPARE(played.messages, 1);
        QCOMPARE(log.lines(), QStringList{"crash"});
        // The executor disappears once, then 20 blinks between its picture and the crash picture.
        const QString at = QStringLiteral("%1 %2").arg(executor.column).arg(executor.row);
        QStringList blinks{"restore " + at};
        for (int i = 0; i < 20; ++i) {
            blinks << "restore " + at << QStringLiteral("executor %1 %2").arg(at).arg(executor.heading);
            blinks << "restore " + at << QStringLiteral("crash %1 %2").arg(at).arg(executor.heading);
        }
        QCOMPARE(canvas.calls, blinks);
        // One refresh as the executor disappears, one per blink half, one when the message closes.
        QCOMPARE(log.refreshes, 42);
    }

    void wallCrashMessageText()
    {
        const RunMessage message = wallCrashMessage();
        QCOMPARE(message.caption, QStringLiteral("Error"));
        QCOMPARE(message.icon, RunMessage::Icon::Error);
        QCOMPARE(message.text,
                 QStringLiteral("НЕ МОГУ - СТЕНА !!!\n\n\nИсполнитель не может преодолеть стену\n"
                                "ни ШАГОМ ни ПРЫЖКОМ!!\nПОВОРОТ - это поворот на 90 градусов\n"
                                "против часовой стрелки!"));
    }

    void withoutCanvas()
    {
        World world;
        world.executor = {11, 0, 270};
        ExecutorCommand turn(ExecutorCommand::Kind::Turn);
        play(turn, {world, nullptr, nullptr, DelaySettings{}});
        QCOMPARE(world.executor.heading, qint16(0));
        ExecutorCommand step(ExecutorCommand::Kind::Step);
        const Played played = play(step, {world, nullptr, nullptr, DelaySettings{}});
        QVERIFY(step.hasCrashed());
        QCOMPARE(played.messages, 1);
        QCOMPARE(world.executor, (ExecutorState{11, 0, 0}));
    }
};

QTEST_APPLESS_MAIN(TestExecutorCommand)
#include "tst_executorcommand.moc"
