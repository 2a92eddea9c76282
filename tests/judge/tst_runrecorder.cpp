#include "judge/runrecorder.h"
#include "world/model/world.h"
#include "world/run/interpreter.h"
#include "world/run/runeventlog.h"
#include "world/run/virtualrundriver.h"

#include <QTest>

namespace {

QStringList algorithm(const QStringList &body)
{
    return QStringList{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Исполнитель в т.Б", "НАЧ"}
    + body + QStringList{"КОН"};
}

struct Recorded
{
    QList<PassResult> passes;
    QStringList events;
    bool isFollowingLines = false;
};

Recorded record(const QStringList &lines, bool withLog, bool traceKept)
{
    World world;
    world.start = {4, 4, 0};
    world.walls.walls.variable.append(VariableWall{{"H", 0, 0}, {"V", 0, 0}});
    RunEventLog log;
    RunRecorder recorder(world, withLog ? &log : nullptr);
    recorder.setTraceKept(traceKept);
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Middle), nullptr, &recorder);
    VirtualRunDriver(1000).play(interpreter);
    return {recorder.passes(), log.lines(), recorder.isFollowingLines()};
}

} // namespace

class TestRunRecorder : public QObject
{
    Q_OBJECT

private slots:
    // Whether an event log follows it or not, and whether it keeps the traces or not, the
    // recorder collects the same passes; only the traces it was told to drop are missing.
    void samePasses_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("passes");
        QTest::addColumn<int>("steps");

        const QStringList walk{"    ПОКА впереди НЕ стена", "    НЦ", "        ШАГ", "    КЦ"};
        QTest::newRow("walk to the border, turn, jump")
            << algorithm(walk + QStringList{"    ПОВОРОТ", "    ПРЫЖОК"}) << 2 << 7;
        // A limit or a crash ends the whole run in its first pass.
        QTest::newRow("endless turning")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ПОВОРОТ", "    КЦ"}) << 1 << 0;
        QTest::newRow("walk into the border") << algorithm(walk + QStringList{"    ШАГ"}) << 1 << 7;
    }

    void samePasses()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, passes);
        QFETCH(int, steps);

        const Recorded full = record(lines, true, true);
        QVERIFY(full.isFollowingLines);
        QVERIFY(!full.events.isEmpty());
        QCOMPARE(full.passes.size(), passes);
        for (const PassResult &pass : full.passes)
            QCOMPARE(pass.trace.size(), steps);

        const Recorded alone = record(lines, false, true);
        QVERIFY(!alone.isFollowingLines);
        QCOMPARE(alone.passes, full.passes);

        const Recorded untraced = record(lines, false, false);
        QCOMPARE(untraced.passes.size(), full.passes.size());
        for (qsizetype i = 0; i < full.passes.size(); ++i) {
            PassResult expected = full.passes[i];
            expected.trace.clear();
            QCOMPARE(untraced.passes[i], expected);
        }
    }
};

QTEST_APPLESS_MAIN(TestRunRecorder)
#include "tst_runrecorder.moc"
