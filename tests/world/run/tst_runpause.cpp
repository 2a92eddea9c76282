#include "world/commands/runobserver.h"
#include "world/model/world.h"
#include "world/run/callchainrows.h"
#include "world/run/interpreter.h"
#include "world/run/runeventlog.h"
#include "world/run/virtualrundriver.h"

#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(StartPosition)

namespace {

QStringList algorithm(const QStringList &body, const QStringList &after = {})
{
    return QStringList{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Исполнитель в т.Б", "НАЧ"}
    + body + QStringList{"КОН"} + after;
}

// A pause as the pupil sees it: the line about to run, where the executor stands and the
// lines of the calls under way.
QString pauseText(const Interpreter &interpreter, const World &world)
{
    QStringList calls;
    for (const CallSite &site : interpreter.callChain())
        calls << QString::number(site.callRow);
    return QStringLiteral("%1 at %2,%3,%4 calls %5")
        .arg(QString::number(interpreter.currentRow()), QString::number(world.executor.column),
             QString::number(world.executor.row), QString::number(world.executor.heading),
             calls.join(QLatin1Char(' ')));
}

// Plays a run on the virtual clock as the checker's driver does, and lets the test act at
// every pause as the pupil would at the paused window.
class PausingDriver
{
public:
    void setPauseHandler(std::function<void(Interpreter &)> handler) { m_atPause = std::move(handler); }

    RunEnd play(Interpreter &interpreter) const
    {
        interpreter.setVirtualClock(true);
        interpreter.setLimits(RunLimits::forHighlights(0));
        for (;;) {
            const RunYield yield = interpreter.resume();
            if (yield.kind == RunYield::Kind::Paused)
                m_atPause(interpreter);
            else if (yield.kind == RunYield::Kind::Finished)
                return yield.end;
        }
    }

private:
    std::function<void(Interpreter &)> m_atPause;
};

// Sets stepping, as the pause button does, the first time a given line is highlighted.
class PauseButton : public RunObserver
{
public:
    Interpreter *interpreter = nullptr;
    int pressedOn = -1;

    void lineHighlighted(int row) override
    {
        if (row == pressedOn && interpreter) {
            interpreter->setStepping(true);
            pressedOn = -1;
        }
    }
};

// The waits of a run added up.
class WaitSum : public RunObserver
{
public:
    qint64 milliseconds = 0;
    void waitStarted(int wait) override { milliseconds += wait; }
};

const QStringList walkProcedure{"ПРОЦЕДУРА идти", "    ЕСЛИ впереди стена", "       ТО", "       ИНАЧЕ",
                                "           ШАГ", "           ДЕЛАЙ идти",  "    ВСЁ",   "КОНЕЦ ПРОЦЕДУРЫ"};

const QStringList ifWallElse{"    ЕСЛИ впереди стена", "       ТО",      "           ПОВОРОТ",
                             "       ИНАЧЕ",           "           ШАГ", "    ВСЁ"};

} // namespace

class TestRunPause : public QObject
{
    Q_OBJECT

private slots:
    // The pause button pressed while a line runs: the run stops before the next line, the
    // line under way done.
    void pauseAfterCurrentLine_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("pressedOn");
        QTest::addColumn<QString>("expected");

        const QStringList body{"    ШАГ", "    ПОВОРОТ", "    ШАГ"};
        QTest::newRow("during a turn, slow")
            << algorithm(body) << int(RunSpeed::Slow) << 5 << "6 at 6,5,90 calls ";
        QTest::newRow("during a turn, fastest")
            << algorithm(body) << int(RunSpeed::Fastest) << 5 << "6 at 6,5,90 calls ";
        QTest::newRow("during a step")
            << algorithm(body) << int(RunSpeed::Middle) << 4 << "5 at 6,5,0 calls ";
        QTest::newRow("on a call: inside the procedure")
            << algorithm({"    ДЕЛАЙ п", "    ШАГ"}, {"ПРОЦЕДУРА п", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"})
            << int(RunSpeed::Fastest) << 4 << "7 at 5,5,0 calls 4";
    }

    void pauseAfterCurrentLine()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, speed);
        QFETCH(int, pressedOn);
        QFETCH(QString, expected);

        World world;
        world.start = {5, 5, 0};
        PauseButton button;
        button.pressedOn = pressedOn;
        Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed(speed)), nullptr, &button);
        button.interpreter = &interpreter;
        QStringList pauses;
        PausingDriver driver;
        driver.setPauseHandler([&](Interpreter &paused) {
            pauses << pauseText(paused, world);
            paused.setStepping(false);
        });
        QCOMPARE(driver.play(interpreter), RunEnd::Complete);
        QCOMPARE(pauses, QStringList{expected});
    }

    // "Один шаг" pressed again and again from the start: one pause per line run, with the
    // executor where the lines before it have put it.
    void stepping_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<StartPosition>("start");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("end");

        const QStringList header{"0 at 10,0,0 calls ", "1 at 10,0,0 calls ", "2 at 10,0,0 calls ",
                                 "3 at 10,0,0 calls "};
        QTest::newRow("branch, no wall: the else part") << algorithm(ifWallElse) << StartPosition{10, 0, 0}
                                                        << header
                + QStringList{"4 at 10,0,0 calls ", "7 at 10,0,0 calls ", "8 at 10,0,0 calls ",
                              "9 at 11,0,0 calls "} << "complete";
        QTest::newRow("branch, wall: the then part")
            << algorithm(ifWallElse) << StartPosition{10, 0, 90}
            << QStringList{"0 at 10,0,90 calls ", "1 at 10,0,90 calls ", "2 at 10,0,90 calls ",
                           "3 at 10,0,90 calls ", "4 at 10,0,90 calls ", "5 at 10,0,90 calls ",
                           "6 at 10,0,90 calls ", "9 at 10,0,180 calls "}
            << "complete";
        QTest::newRow("loop: head, НЦ, body and КЦ each time, the head once more")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ШАГ", "    КЦ"})
            << StartPosition{10, 0, 0}
            << header
                + QStringList{"4 at 10,0,0 calls ", "5 at 10,0,0 calls ", "6 at 10,0,0 calls ",
                              "7 at 11,0,0 calls ", "4 at 11,0,0 calls "}
            << "complete";
        QTest::newRow("call: into the procedure and back")
            << algorithm({"    ДЕЛАЙ шаг", "    ПОВОРОТ"}, {"ПРОЦЕДУРА шаг", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{10, 0, 0}
            << header
                + QStringList{"4 at 10,0,0 calls ", "7 at 10,0,0 calls 4", "8 at 10,0,0 calls 4",
                              "9 at 11,0,0 calls 4", "5 at 11,0,0 calls "}
            << "complete";
        QTest::newRow("recursive call: the chain grows and unwinds")
            << algorithm({"    ДЕЛАЙ идти"}, walkProcedure) << StartPosition{10, 0, 0}
            << header
                + QStringList{"4 at 10,0,0 calls ",      "6 at 10,0,0 calls 4",     "7 at 10,0,0 calls 4",
                              "9 at 10,0,0 calls 4",     "10 at 10,0,0 calls 4",    "11 at 11,0,0 calls 4",
                              "6 at 11,0,0 calls 4 11",  "7 at 11,0,0 calls 4 11",  "8 at 11,0,0 calls 4 11",
                              "12 at 11,0,0 calls 4 11", "13 at 11,0,0 calls 4 11", "12 at 11,0,0 calls 4",
                              "13 at 11,0,0 calls 4"}
            << "complete";
        QTest::newRow("crash: the step's line is the last pause")
            << algorithm({"    ШАГ", "    ПОВОРОТ"}) << StartPosition{11, 0, 0}
            << QStringList{"0 at 11,0,0 calls ", "1 at 11,0,0 calls ", "2 at 11,0,0 calls ",
                           "3 at 11,0,0 calls ", "4 at 11,0,0 calls "}
            << "crash";
    }

    void stepping()
    {
        QFETCH(QStringList, lines);
        QFETCH(StartPosition, start);
        QFETCH(QStringList, expected);
        QFETCH(QString, end);

        for (const RunSpeed speed : {RunSpeed::Slow, RunSpeed::Fastest}) {
            World world;
            world.start = start;
            Interpreter interpreter(lines, world, DelaySettings::forSpeed(speed));
            interpreter.setStepping(true);
            QStringList pauses;
            PausingDriver driver;
            driver.setPauseHandler([&](Interpreter &paused) { pauses << pauseText(paused, world); });
            QCOMPARE(RunEventLog::endName(driver.play(interpreter)), end);
            QCOMPARE(pauses, expected);
        }
    }

    // Stepping costs no time of its own: the waits of a run are those of a run without it.
    void steppingKeepsWaits()
    {
        const QStringList lines = algorithm({"    ДЕЛАЙ идти"}, walkProcedure);
        qint64 elapsed[2] = {0, 0};
        for (const bool step : {false, true}) {
            World world;
            world.start = {8, 0, 0};
            WaitSum waits;
            Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Slow), nullptr, &waits);
            interpreter.setStepping(step);
            VirtualRunDriver driver;
            QCOMPARE(driver.play(interpreter), RunEnd::Complete);
            elapsed[step ? 1 : 0] = waits.milliseconds;
        }
        QVERIFY(elapsed[0] > 0);
        QCOMPARE(elapsed[1], elapsed[0]);
    }

    void breakpoints_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<StartPosition>("start");
        QTest::addColumn<QList<int>>("breakpoints");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QStringList>("expected");

        const QStringList threeCalls = algorithm({"    ДЕЛАЙ п", "    ДЕЛАЙ п", "    ДЕЛАЙ п"},
                                                 {"ПРОЦЕДУРА п", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"});
        const QStringList threeStops{"9 at 10,0,0 calls 4", "9 at 10,0,90 calls 5", "9 at 10,0,180 calls 6"};
        QTest::newRow("inside a procedure called three times, fastest")
            << threeCalls << StartPosition{10, 0, 0} << QList<int>{9} << int(RunSpeed::Fastest) << threeStops;
        QTest::newRow("inside a procedure called three times, slow")
            << threeCalls << StartPosition{10, 0, 0} << QList<int>{9} << int(RunSpeed::Slow) << threeStops;
        QTest::newRow("loop head: once per test, not twice per highlight")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ШАГ", "    КЦ"})
            << StartPosition{9, 0, 0} << QList<int>{4} << int(RunSpeed::Fastest)
            << QStringList{"4 at 9,0,0 calls ", "4 at 10,0,0 calls ", "4 at 11,0,0 calls "};
        QTest::newRow("a line never run and lines out of range: no pause")
            << algorithm({"    ШАГ"}, {"ПРОЦЕДУРА п", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{9, 0, 0} << QList<int>{7, -1, 99} << int(RunSpeed::Fastest) << QStringList{};
        QTest::newRow("two breakpoints")
            << algorithm({"    ШАГ", "    ПОВОРОТ"}) << StartPosition{9, 0, 0} << QList<int>{5, 4}
            << int(RunSpeed::Middle) << QStringList{"4 at 9,0,0 calls ", "5 at 10,0,0 calls "};
    }

    void breakpoints()
    {
        QFETCH(QStringList, lines);
        QFETCH(StartPosition, start);
        QFETCH(QList<int>, breakpoints);
        QFETCH(int, speed);
        QFETCH(QStringList, expected);

        World world;
        world.start = start;
        Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed(speed)));
        interpreter.setBreakpoints(breakpoints);
        QStringList pauses;
        PausingDriver driver;
        driver.setPauseHandler([&](Interpreter &paused) { pauses << pauseText(paused, world); });
        QCOMPARE(driver.play(interpreter), RunEnd::Complete);
        QCOMPARE(pauses, expected);
    }

    // The stop button while paused ends the run before the line shown is run.
    void stopWhilePaused_data()
    {
        QTest::addColumn<int>("breakpoint");
        QTest::addColumn<QString>("executor");

        QTest::newRow("on a step") << 4 << "5,5,0";
        QTest::newRow("on a turn after a step") << 5 << "6,5,0";
    }

    void stopWhilePaused()
    {
        QFETCH(int, breakpoint);
        QFETCH(QString, executor);

        World world;
        world.start = {5, 5, 0};
        Interpreter interpreter(algorithm({"    ШАГ", "    ПОВОРОТ"}), world,
                                DelaySettings::forSpeed(RunSpeed::Slow));
        interpreter.setBreakpoints({breakpoint});
        int pauses = 0;
        PausingDriver driver;
        driver.setPauseHandler([&pauses](Interpreter &paused) {
            ++pauses;
            paused.requestStop();
        });
        QCOMPARE(driver.play(interpreter), RunEnd::Stopped);
        QCOMPARE(pauses, 1);
        QCOMPARE(QStringLiteral("%1,%2,%3")
                     .arg(QString::number(world.executor.column), QString::number(world.executor.row),
                          QString::number(world.executor.heading)),
                 executor);
    }

    // The rows of the call chain when a recursive procedure is paused at a given depth.
    void callChainRows_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("expected");

        const QString outer = QStringLiteral("п, строка 5");
        const QString inner = QStringLiteral("п, строка 8");
        QTest::newRow("one call") << 1 << QStringList{outer};
        QTest::newRow("twenty calls: all shown") << 20 << QStringList{outer} + QStringList(19, inner);
        QTest::newRow("twenty-one calls: one left out")
            << 21
            << QStringList{outer} + QStringList(9, inner) + QStringList{"… ещё 1 …"} + QStringList(10, inner);
        QTest::newRow("a thousand calls") << 1000
                                          << QStringList{outer} + QStringList(9, inner)
                + QStringList{"… ещё 980 …"} + QStringList(10, inner);
    }

    void callChainRows()
    {
        QFETCH(int, depth);
        QFETCH(QStringList, expected);

        const QStringList lines =
            algorithm({"    ДЕЛАЙ п"}, {"ПРОЦЕДУРА п", "    ДЕЛАЙ п", "КОНЕЦ ПРОЦЕДУРЫ"});
        World world;
        Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Fastest));
        interpreter.setBreakpoints({7});
        QStringList texts;
        QList<int> rows;
        int pauses = 0;
        PausingDriver driver;
        driver.setPauseHandler([&](Interpreter &paused) {
            ++pauses;
            if (int(paused.callChain().size()) < depth)
                return;
            for (const CallChainRow &row : ::callChainRows(paused.callChain(), lines)) {
                texts << row.text;
                rows << row.row;
            }
            paused.requestStop();
        });
        QCOMPARE(driver.play(interpreter), RunEnd::Stopped);
        QCOMPARE(pauses, depth);
        QCOMPARE(texts, expected);
        for (int i = 0; i < texts.size(); ++i)
            QCOMPARE(rows[i],
                     texts[i] == expected.first() && i == 0 ? 4
                         : texts[i].startsWith(u'…')        ? -1
                                                            : 7);
    }
};

QTEST_GUILESS_MAIN(TestRunPause)
#include "tst_runpause.moc"
