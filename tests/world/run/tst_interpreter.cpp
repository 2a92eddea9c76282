#include "world/model/world.h"
#include "world/run/interpreter.h"
#include "world/run/runeventlog.h"
#include "world/run/virtualrundriver.h"

#include "world/recordingcanvas.h"

#include <QTest>

Q_DECLARE_METATYPE(StartPosition)
Q_DECLARE_METATYPE(WallSet)

namespace {

QStringList algorithm(const QStringList &body, const QStringList &after = {})
{
    return QStringList{"АЛГОРИТМ ПУТЬ_0", "    Дано: Исполнитель в т.А", "    Надо: Исполнитель в т.Б", "НАЧ"}
    + body + QStringList{"КОН"} + after;
}

QString h(int row)
{
    return QStringLiteral("highlight %1").arg(row);
}

QString w(int milliseconds)
{
    return QStringLiteral("wait %1").arg(milliseconds);
}

// The four header lines, each highlighted and waited on like any other line.
QStringList header(int lineDelay)
{
    return {h(0), w(lineDelay), h(1), w(lineDelay), h(2), w(lineDelay), h(3), w(lineDelay)};
}

QString arrangementMessage(const QString &selectors)
{
    return QStringLiteral("message Алгоритм исполнен\\nпри расположении %1").arg(selectors);
}

QString missing(const QString &line)
{
    return QStringLiteral("message В алгоритме не хватает строки \"%1\"!\\nВыполнение алгоритма прервано.")
        .arg(line);
}

const QString crashMessage = QStringLiteral(
    "message НЕ МОГУ - СТЕНА !!!\\n\\n\\nИсполнитель не может преодолеть стену\\nни ШАГОМ ни ПРЫЖКОМ!!"
    "\\nПОВОРОТ - это поворот на 90 градусов\\nпротив часовой стрелки!");

WallVariant variant(const char *orientation, qint16 column, qint16 row)
{
    return {QString::fromLatin1(orientation), column, row};
}

WallSet variableWalls(int count)
{
    WallSet walls;
    for (int i = 0; i < count; ++i)
        walls.variable.append({variant("H", qint16(i), 8), variant("V", qint16(i), 9)});
    return walls;
}

// The waits of a log, added up: the time the run took on the clock.
qint64 waitedMilliseconds(const QStringList &events)
{
    qint64 sum = 0;
    for (const QString &event : events) {
        if (event.startsWith(QLatin1String("wait ")))
            sum += event.mid(5).toLongLong();
    }
    return sum;
}

// Counts the highlights of the pass under way, as the highlight limit does.
class PassHighlights : public RunEventLog
{
public:
    qint64 count = 0;
    void passStarted(const QList<int> &arrangement) override
    {
        count = 0;
        RunEventLog::passStarted(arrangement);
    }
    void lineHighlighted(int row) override
    {
        ++count;
        RunEventLog::lineHighlighted(row);
    }
};

// Hears only the highlights of each pass and how the run ended: long runs without a log.
class HighlightCounter : public RunObserver
{
public:
    qint64 count = 0;
    RunEnd end = RunEnd::Complete;
    void passStarted(const QList<int> &) override { count = 0; }
    void lineHighlighted(int) override { ++count; }
    void runFinished(RunEnd runEnd) override { end = runEnd; }
};

HighlightCounter playCounted(const QStringList &lines, StartPosition start, RunSpeed speed,
                             const RunLimits &limits)
{
    World world;
    world.start = start;
    HighlightCounter counter;
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(speed), nullptr, &counter);
    VirtualRunDriver(limits).play(interpreter);
    return counter;
}

struct Played
{
    QStringList events;
    RunEnd end = RunEnd::Complete;
    qint64 elapsed = 0;
};

Played playRun(const QStringList &lines, World &world, RunSpeed speed, qint64 limit = 0,
               int depthLimit = Interpreter::defaultCallDepthLimit, FieldCanvas *canvas = nullptr)
{
    RunEventLog log;
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(speed), canvas, &log, depthLimit);
    VirtualRunDriver driver(limit);
    Played played;
    played.end = driver.play(interpreter);
    played.events = log.lines();
    played.elapsed = waitedMilliseconds(played.events);
    return played;
}

// The same run driven by hand, without the virtual clock: every wait and every chance to let
// events through comes back here, and the highlight limit is asked after each of them.
Played playByHand(const QStringList &lines, World &world, RunSpeed speed, qint64 limit, int depthLimit)
{
    PassHighlights log;
    Interpreter interpreter(lines, world, DelaySettings::forSpeed(speed), nullptr, &log, depthLimit);
    Played played;
    for (;;) {
        const RunYield yield = interpreter.resume();
        if (limit > 0 && log.count >= limit)
            interpreter.requestStop();
        if (yield.kind == RunYield::Kind::Wait)
            played.elapsed += yield.milliseconds;
        if (yield.kind == RunYield::Kind::Finished) {
            played.end = yield.end;
            break;
        }
    }
    played.events = log.lines();
    return played;
}

QStringList nestedLoops(int depth, const QString &innermost)
{
    QStringList body;
    for (int i = 0; i < depth; ++i)
        body << "ПОКА впереди НЕ стена"
             << "НЦ";
    body << innermost;
    for (int i = 0; i < depth; ++i)
        body << "КЦ";
    return body;
}

// Requests a stop when it sees a given event.
class StopAt : public RunEventLog
{
public:
    Interpreter *interpreter = nullptr;
    QString trigger;

    void executorTurned(qint16 heading) override
    {
        RunEventLog::executorTurned(heading);
        check();
    }
    void executorCrashed() override
    {
        RunEventLog::executorCrashed();
        check();
    }

private:
    void check()
    {
        if (lines().last() == trigger)
            interpreter->requestStop();
    }
};

} // namespace

class TestInterpreter : public QObject
{
    Q_OBJECT

private slots:
    void eventLog_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<StartPosition>("start");
        QTest::addColumn<WallSet>("walls");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("depthLimit");
        QTest::addColumn<QStringList>("expected");

        const int slow = int(RunSpeed::Slow);
        const int fastest = int(RunSpeed::Fastest);
        const int depth = Interpreter::defaultCallDepthLimit;
        const QStringList ifWallElse{"    ЕСЛИ впереди стена", "       ТО",      "           ПОВОРОТ",
                                     "       ИНАЧЕ",           "           ШАГ", "    ВСЁ"};

        QTest::newRow("no variable walls: one pass, no message")
            << algorithm({"    ШАГ"}) << StartPosition{0, 0, 0} << WallSet{} << slow << 0 << depth
            << QStringList{h(0)} + header(500) + QStringList{h(4), "step 1 0", w(500), h(5), "end complete"};

        {
            WallSet walls;
            walls.variable = {{variant("V", 0, 0), variant("H", 0, 0)}};
            QTest::newRow("one variable wall: two passes, two messages")
                << algorithm(ifWallElse) << StartPosition{0, 0, 0} << walls << fastest << 0 << depth
                << QStringList{h(0), h(0), "arrangement 1"} + header(0)
                    + QStringList{h(4),      h(4),
                                  w(0),      h(5),
                                  w(0),      h(6),
                                  w(0),      w(0),
                                  "turn 90", w(0),
                                  h(9),      w(0),
                                  w(0),      arrangementMessage("стенки: 1 "),
                                  h(0),      "arrangement 2"}
                    + header(0)
                    + QStringList{h(4),  h(4),          w(0),       h(7),
                                  w(0),  h(8),          "step 1 0", w(0),
                                  h(9),  w(0),          w(0),       arrangementMessage("стенки: 2 "),
                                  h(10), "end complete"};
        }
        {
            QStringList expected{h(0)};
            for (const QString &a : QStringList{"1 1", "1 2", "2 1", "2 2"}) {
                expected << h(0) << "arrangement " + a;
                expected += header(0);
                expected << arrangementMessage("стенок: " + a + " ");
            }
            expected << h(4) << "end complete";
            QTest::newRow("two variable walls: four messages in order")
                << algorithm({}) << StartPosition{0, 0, 0} << variableWalls(2) << fastest << 0 << depth
                << expected;
        }
        {
            QStringList expected{h(0)};
            for (const QString &a :
                 QStringList{"1 1 1", "1 1 2", "1 2 1", "1 2 2", "2 1 1", "2 1 2", "2 2 1", "2 2 2"}) {
                expected << h(0) << "arrangement " + a;
                expected += header(0);
                expected << arrangementMessage("стенок: " + a + " ");
            }
            expected << h(4) << "end complete";
            QTest::newRow("three variable walls: eight messages in order")
                << algorithm({}) << StartPosition{0, 0, 0} << variableWalls(3) << fastest << 0 << depth
                << expected;
        }
        QTest::newRow("ЕСЛИ впереди стена facing the border: then part runs")
            << algorithm(ifWallElse) << StartPosition{11, 0, 0} << WallSet{} << slow << 0 << depth
            << QStringList{h(0)} + header(500) + QStringList{h(4), h(4),   w(500), h(5),      w(500),
                                                             h(6), w(100), w(100), "turn 90", w(500),
                                                             h(9), w(500), w(500), h(10),     "end complete"};
        QTest::newRow("branch without ИНАЧЕ that does not hold")
            << algorithm({"    ЕСЛИ впереди стена", "       ТО", "           ПОВОРОТ", "    ВСЁ"})
            << StartPosition{0, 0, 0} << WallSet{} << slow << 0 << depth
            << QStringList{h(0)} + header(500)
                + QStringList{h(4), h(4), w(500), h(7), w(500), w(500), h(8), "end complete"};

        const QStringList nested{"    ЕСЛИ впереди НЕ стена",
                                 "       ТО",
                                 "           ЕСЛИ впереди стена",
                                 "              ТО",
                                 "                  ПОВОРОТ",
                                 "              ИНАЧЕ",
                                 "                  ШАГ",
                                 "           ВСЁ",
                                 "           ПОВОРОТ",
                                 "       ИНАЧЕ",
                                 "           ПОВОРОТ",
                                 "    ВСЁ"};
        QTest::newRow("nested branch with its own ИНАЧЕ in a then part")
            << algorithm(nested) << StartPosition{0, 0, 0} << WallSet{} << slow << 0 << depth
            << QStringList{h(0)} + header(500)
                + QStringList{h(4),   h(4),   w(500), h(5),   w(500),        h(6),      h(6),
                              w(500), h(9),   w(500), h(10),  "step 1 0",    w(500),    h(11),
                              w(500), w(500), h(12),  w(100), w(100),        "turn 90", w(500),
                              h(15),  w(500), w(500), h(16),  "end complete"};
        QTest::newRow("branch that does not hold passes over a nested ИНАЧЕ")
            << algorithm(nested) << StartPosition{11, 5, 0} << WallSet{} << slow << 0 << depth
            << QStringList{h(0)} + header(500)
                + QStringList{h(4),      h(4),   w(500), h(13),  w(500), h(14), w(100),        w(100),
                              "turn 90", w(500), h(15),  w(500), w(500), h(16), "end complete"};

        const QStringList walkLoop{"    ПОКА впереди НЕ стена", "    НЦ", "        ШАГ", "    КЦ"};
        QTest::newRow("loop that never holds: head highlighted for two line delays")
            << algorithm({"    ПОКА впереди стена", "    НЦ", "        ШАГ", "    КЦ"})
            << StartPosition{0, 0, 0} << WallSet{} << slow << 0 << depth
            << QStringList{h(0)} + header(500)
                + QStringList{h(4), h(4), w(500), w(500), h(8), "end complete"};
        QTest::newRow("ПОКА впереди НЕ стена with ШАГ walks up to the border")
            << algorithm(walkLoop) << StartPosition{9, 0, 0} << WallSet{} << fastest << 0 << depth
            << QStringList{h(0)} + header(0)
                + QStringList{h(4), h(4), w(0), h(5), w(0), h(6), "step 10 0", w(0),
                              h(7), w(0), h(4), w(0), h(5), w(0), h(6),        "step 11 0",
                              w(0), h(7), w(0), h(4), w(0), w(0), h(8),        "end complete"};
        {
            WallSet walls;
            walls.vertical = {{7, 3}};
            QTest::newRow("ПОКА впереди НЕ стена with ШАГ stops before a wall")
                << algorithm(walkLoop) << StartPosition{6, 3, 0} << walls << fastest << 0 << depth
                << QStringList{h(0)} + header(0) + QStringList{h(4), h(4),       w(0), h(5), w(0),
                                                               h(6), "step 7 3", w(0), h(7), w(0),
                                                               h(4), w(0),       w(0), h(8), "end complete"};
        }
        QTest::newRow("two descriptions of one name: the upper one is used")
            << algorithm({"    ДЕЛАЙ угол"},
                         {"ПРОЦЕДУРА угол", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ", "ПРОЦЕДУРА угол", "    ШАГ",
                          "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{0, 0, 0} << WallSet{} << fastest << 0 << depth
            << QStringList{h(0)} + header(0) + QStringList{h(4), w(0), h(6),      w(0),          h(7),
                                                           w(0), w(0), "turn 90", w(0),          h(8),
                                                           w(0), w(0), h(5),      "end complete"};
        QTest::newRow("call of an unknown name does nothing")
            << algorithm({"    ДЕЛАЙ угол"}, {"ПРОЦЕДУРА уголок", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{0, 0, 0} << WallSet{} << slow << 0 << depth
            << QStringList{h(0)} + header(500) + QStringList{h(4), w(500), w(500), h(5), "end complete"};
        QTest::newRow("call inside a loop returns to the next body line")
            << algorithm(
                   {"    ПОКА впереди НЕ стена", "    НЦ", "        ДЕЛАЙ шаг", "        ПОВОРОТ", "    КЦ"},
                   {"ПРОЦЕДУРА шаг", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{10, 0, 0} << WallSet{} << fastest << 0 << depth
            << QStringList{h(0)} + header(0)
                + QStringList{h(4),      h(4),        w(0), h(5),  w(0), h(6), w(0), h(10), w(0),
                              h(11),     "step 11 0", w(0), h(12), w(0), w(0), h(7), w(0),  w(0),
                              "turn 90", w(0),        h(8), w(0),  h(4), w(0), w(0), h(9),  "end complete"};

        const QStringList walkProcedure{"ПРОЦЕДУРА идти", "    ЕСЛИ впереди стена", "       ТО",
                                        "       ИНАЧЕ",   "           ШАГ",         "           ДЕЛАЙ идти",
                                        "    ВСЁ",        "КОНЕЦ ПРОЦЕДУРЫ"};
        QTest::newRow("recursive walk to the wall unwinds")
            << algorithm({"    ДЕЛАЙ идти"}, walkProcedure) << StartPosition{10, 0, 0} << WallSet{} << fastest
            << 0 << depth
            << QStringList{h(0)} + header(0)
                + QStringList{h(4),  w(0),        h(6), w(0),  h(7), h(7), w(0),  h(9),          w(0),
                              h(10), "step 11 0", w(0), h(11), w(0), h(6), w(0),  h(7),          h(7),
                              w(0),  h(8),        w(0), h(12), w(0), w(0), h(13), w(0),          w(0),
                              h(12), w(0),        w(0), h(13), w(0), w(0), h(5),  "end complete"};
        QTest::newRow("nesting exactly as deep as the limit is allowed")
            << algorithm({"    ДЕЛАЙ идти"}, walkProcedure) << StartPosition{10, 0, 0} << WallSet{} << fastest
            << 0 << 2
            << QStringList{h(0)} + header(0)
                + QStringList{h(4),  w(0),        h(6), w(0),  h(7), h(7), w(0),  h(9),          w(0),
                              h(10), "step 11 0", w(0), h(11), w(0), h(6), w(0),  h(7),          h(7),
                              w(0),  h(8),        w(0), h(12), w(0), w(0), h(13), w(0),          w(0),
                              h(12), w(0),        w(0), h(13), w(0), w(0), h(5),  "end complete"};
        QTest::newRow("endless recursion ends with the depth message")
            << algorithm({"    ДЕЛАЙ п"}, {"ПРОЦЕДУРА п", "    ДЕЛАЙ п", "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{0, 0, 0} << WallSet{} << fastest << 0 << 3
            << QStringList{h(0)} + header(0)
                + QStringList{h(4),
                              w(0),
                              h(6),
                              w(0),
                              h(7),
                              w(0),
                              h(6),
                              w(0),
                              h(7),
                              w(0),
                              h(6),
                              w(0),
                              h(7),
                              w(0),
                              "message Слишком много вложенных вызовов процедур (больше 3)!\\n"
                              "Процедура вызывает себя без конца?\\nВыполнение алгоритма прервано.",
                              "end error"};
        QTest::newRow("КОН after leading blanks does not end the pass")
            << algorithm({"    ПОВОРОТ", " КОН", "    ШАГ"}) << StartPosition{0, 5, 0} << WallSet{} << slow
            << 0 << depth
            << QStringList{h(0)} + header(500) + QStringList{h(4),       w(100), w(100), "turn 90",
                                                             w(500),     h(5),   w(500), h(6),
                                                             "step 0 4", w(500), h(7),   "end complete"};
        QTest::newRow("no КОН: the pass runs to the last line, the selection is removed")
            << QStringList{"АЛГОРИТМ ПУТЬ_0", "    ШАГ"} << StartPosition{0, 0, 0} << WallSet{} << slow << 0
            << depth << QStringList{h(0), h(0), w(500), h(1), "step 1 0", w(500), h(-1), "end complete"};
        QTest::newRow("text without lines") << QStringList{} << StartPosition{0, 0, 0} << WallSet{} << slow
                                            << 0 << depth << QStringList{h(-1), h(-1), "end complete"};
        QTest::newRow("unset start counts as 0")
            << QStringList{"ШАГ"} << StartPosition{-1, -1, -1} << WallSet{} << slow << 0 << depth
            << QStringList{h(0), h(0), "step 1 0", w(500), h(-1), "end complete"};
        {
            WallSet walls;
            walls.variable = {{variant("H", 5, 5), variant("H", 6, 6)},
                              {variant("H", 3, 3), variant("V", 0, 0)}};
            QStringList crash{h(4), "crash"};
            for (int i = 0; i < 40; ++i)
                crash << w(10);
            crash << crashMessage << w(0) << "end crash";
            QTest::newRow("crash in the second of four arrangements ends the run")
                << algorithm({"    ШАГ"}) << StartPosition{0, 0, 0} << walls << fastest << 0 << depth
                << QStringList{h(0), h(0), "arrangement 1 1"} + header(0)
                    + QStringList{h(4), "step 1 0",       w(0), arrangementMessage("стенок: 1 1 "),
                                  h(0), "arrangement 1 2"}
                    + header(0) + crash;
        }
        {
            QStringList crash{h(10), "crash"};
            for (int i = 0; i < 40; ++i)
                crash << w(100);
            crash << crashMessage;
            QTest::newRow("crash inside a procedure inside a loop unwinds every level")
                << algorithm({"    ПОКА впереди стена", "    НЦ", "        ДЕЛАЙ шаг", "    КЦ"},
                             {"ПРОЦЕДУРА шаг", "    ШАГ", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"})
                << StartPosition{11, 3, 0} << WallSet{} << int(RunSpeed::Middle) << 0 << depth
                << QStringList{h(0)} + header(10)
                    + QStringList{h(4), h(4), w(10), h(5), w(10), h(6), w(10), h(9), w(10)} + crash
                    + QStringList{w(10), w(10), w(10), "end crash"};
        }
        QTest::newRow("endless ПОВОРОТ loop ended by a stop request")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ПОВОРОТ", "    КЦ"})
            << StartPosition{5, 5, 0} << WallSet{} << fastest << 10 << depth
            << QStringList{h(0)} + header(0)
                + QStringList{h(4),      h(4), w(0), h(5),       w(0), h(6), w(0),       w(0),
                              "turn 90", w(0), h(7), w(0),       h(4), w(0), h(5),       w(0),
                              h(6),      w(0), w(0), "turn 180", w(0), w(0), "end limit"};

        // Missing closing lines: the run ends before it reads past the last line.
        QTest::newRow("loop without КЦ")
            << QStringList{"НАЧ", "ПОКА впереди НЕ стена", "НЦ", "ПОВОРОТ"} << StartPosition{5, 5, 0}
            << WallSet{} << fastest << 0 << depth
            << QStringList{h(0), h(0), w(0), h(1),      h(1), w(0),          h(2),       w(0),
                           h(3), w(0), w(0), "turn 90", w(0), missing("КЦ"), "end error"};
        QTest::newRow("loop that does not hold without КЦ")
            << QStringList{"НАЧ", "ПОКА впереди стена"} << StartPosition{5, 5, 0} << WallSet{} << fastest << 0
            << depth << QStringList{h(0), h(0), w(0), h(1), h(1), w(0), missing("КЦ"), "end error"};
        QTest::newRow("loop head as the last line")
            << QStringList{"НАЧ", "ПОКА впереди НЕ стена"} << StartPosition{5, 5, 0} << WallSet{} << fastest
            << 0 << depth << QStringList{h(0), h(0), w(0), h(1), h(1), w(0), missing("НЦ"), "end error"};
        QTest::newRow("branch head as the last line")
            << QStringList{"НАЧ", "ЕСЛИ впереди стена"} << StartPosition{11, 5, 0} << WallSet{} << fastest
            << 0 << depth << QStringList{h(0), h(0), w(0), h(1), h(1), w(0), missing("ТО"), "end error"};
        QTest::newRow("branch that does not hold without ВСЁ")
            << QStringList{"НАЧ", "ЕСЛИ впереди стена", "ТО", "ШАГ"} << StartPosition{5, 5, 0} << WallSet{}
            << fastest << 0 << depth
            << QStringList{h(0), h(0), w(0), h(1), h(1), w(0), missing("ВСЁ"), "end error"};
        QTest::newRow("then part without ВСЁ")
            << QStringList{"НАЧ", "ЕСЛИ впереди НЕ стена", "ТО", "ПОВОРОТ"} << StartPosition{5, 5, 0}
            << WallSet{} << fastest << 0 << depth
            << QStringList{h(0), h(0), w(0), h(1),      h(1), w(0),           h(2),       w(0),
                           h(3), w(0), w(0), "turn 90", w(0), missing("ВСЁ"), "end error"};
        QTest::newRow("else part skipped without ВСЁ")
            << QStringList{"НАЧ", "ЕСЛИ впереди НЕ стена", "ТО", "ИНАЧЕ", "ШАГ"} << StartPosition{5, 5, 0}
            << WallSet{} << fastest << 0 << depth
            << QStringList{h(0), h(0), w(0), h(1), h(1), w(0), h(2), w(0), missing("ВСЁ"), "end error"};
        QTest::newRow("else part run without ВСЁ")
            << QStringList{"НАЧ", "ЕСЛИ впереди стена", "ТО", "ИНАЧЕ", "ПОВОРОТ"} << StartPosition{5, 5, 0}
            << WallSet{} << fastest << 0 << depth
            << QStringList{h(0), h(0), w(0), h(1),      h(1), w(0),           h(3),       w(0),
                           h(4), w(0), w(0), "turn 90", w(0), missing("ВСЁ"), "end error"};
        QTest::newRow("called procedure without its end")
            << QStringList{"ДЕЛАЙ п", "КОН", "ПРОЦЕДУРА п", "ПОВОРОТ"} << StartPosition{5, 5, 0} << WallSet{}
            << fastest << 0 << depth << QStringList{h(0),
                                                    h(0),
                                                    w(0),
                                                    h(2),
                                                    w(0),
                                                    h(3),
                                                    w(0),
                                                    w(0),
                                                    "turn 90",
                                                    w(0),
                                                    missing("КОНЕЦ ПРОЦЕДУРЫ"),
                                                    "end error"};
        QTest::newRow("description in the flow without its end")
            << QStringList{"ПРОЦЕДУРА п", "ПОВОРОТ"} << StartPosition{5, 5, 0} << WallSet{} << fastest << 0
            << depth << QStringList{h(0), h(0), missing("КОНЕЦ ПРОЦЕДУРЫ"), "end error"};
    }

    void eventLog()
    {
        QFETCH(QStringList, lines);
        QFETCH(StartPosition, start);
        QFETCH(WallSet, walls);
        QFETCH(int, speed);
        QFETCH(int, limit);
        QFETCH(int, depthLimit);
        QFETCH(QStringList, expected);

        World world;
        world.start = start;
        world.executor = {3, 3, 180}; // the run must put it back on the start first
        world.walls.walls = walls;
        const Played played = playRun(lines, world, RunSpeed(speed), limit, depthLimit);
        QCOMPARE(played.events, expected);
        QCOMPARE("end " + RunEventLog::endName(played.end), expected.last());

        World again;
        again.start = start;
        again.walls.walls = walls;
        const Played byHand = playByHand(lines, again, RunSpeed(speed), limit, depthLimit);
        QCOMPARE(byHand.events, expected);
        QCOMPARE(byHand.elapsed, played.elapsed);
    }

    // However deeply the loops nest, leaving each costs a few steps, and every pass stays
    // within a few steps per highlight.
    void workPerPass_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<StartPosition>("start");
        QTest::addColumn<QString>("end");

        QTest::newRow("100,000 nested loops, left from the inside out")
            << algorithm(nestedLoops(100000, "ШАГ")) << StartPosition{0, 0, 0} << "complete";
        QTest::newRow("100,000 nested loops never entered")
            << algorithm(nestedLoops(100000, "ШАГ")) << StartPosition{11, 0, 0} << "complete";
        QTest::newRow("100,000 nested loops, the innermost endless")
            << algorithm(nestedLoops(100000, "ПОВОРОТ")) << StartPosition{5, 5, 0} << "limit";
        QStringList branches;
        for (int i = 0; i < 100000; ++i)
            branches << "ЕСЛИ впереди стена"
                     << "ТО";
        for (int i = 0; i < 100000; ++i)
            branches << "ИНАЧЕ"
                     << "ВСЁ";
        QTest::newRow("100,000 nested branches whose conditions fail")
            << algorithm(branches) << StartPosition{5, 5, 0} << "complete";
    }

    // The steps are seen through a bound on them: a bound of four steps per highlight, or
    // of four per line of the text, is never reached, so the run ends just as it does without.
    void workPerPass()
    {
        QFETCH(QStringList, lines);
        QFETCH(StartPosition, start);
        QFETCH(QString, end);

        const qint64 highlights = 1000000;
        const HighlightCounter free = playCounted(lines, start, RunSpeed::Slow, RunLimits{highlights, 0});
        QCOMPARE(RunEventLog::endName(free.end), end);
        const qint64 steps = std::min(4 * qint64(lines.size()) + 100, 4 * free.count);
        const HighlightCounter bounded =
            playCounted(lines, start, RunSpeed::Slow, RunLimits{highlights, steps});
        QCOMPARE(RunEventLog::endName(bounded.end), end);
        QCOMPARE(bounded.count, free.count);
    }

    // A bound on the steps ends the pass as the highlight limit does; the step bound that
    // goes with a highlight limit is never the one that ends a pass.
    void stepLimit_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<StartPosition>("start");

        QTest::newRow("endless turning")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ПОВОРОТ", "    КЦ"})
            << StartPosition{5, 5, 0};
        QTest::newRow("endless empty loop")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "    КЦ"}) << StartPosition{5, 5, 0};
        QTest::newRow("endless calls of an unknown procedure")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ДЕЛАЙ нет", "    КЦ"})
            << StartPosition{5, 5, 0};
        QTest::newRow("endless calls of a procedure that does nothing")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ДЕЛАЙ п", "    КЦ"},
                         {"ПРОЦЕДУРА п", "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{5, 5, 0};
        QTest::newRow("endless branches")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ЕСЛИ впереди стена", "        ТО",
                          "        ВСЁ", "    КЦ"})
            << StartPosition{5, 5, 0};
        QTest::newRow("10,000 nested loops, the innermost endless")
            << algorithm(nestedLoops(10000, "ПОВОРОТ")) << StartPosition{5, 5, 0};
    }

    void stepLimit()
    {
        QFETCH(QStringList, lines);
        QFETCH(StartPosition, start);

        const qint64 highlights = 100000;
        QStringList logs[2];
        for (const bool withSteps : {false, true}) {
            World world;
            world.start = start;
            RunEventLog log;
            Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Fastest), nullptr, &log);
            VirtualRunDriver driver(withSteps ? RunLimits::forHighlights(highlights)
                                              : RunLimits{highlights, 0});
            QCOMPARE(driver.play(interpreter), RunEnd::Stopped);
            logs[withSteps ? 1 : 0] = log.lines();
        }
        QCOMPARE(logs[1], logs[0]);

        const qint64 steps = 5000;
        const HighlightCounter bounded = playCounted(lines, start, RunSpeed::Fastest, RunLimits{0, steps});
        QCOMPARE(bounded.end, RunEnd::Stopped);
        // The machine makes fewer steps per highlight than the bound that goes with a
        // highlight limit allows for, and it is the step bound that ends the pass: ten times
        // the steps, more highlights.
        QVERIFY(bounded.count >= steps / RunLimits::stepsPerHighlight);
        const HighlightCounter more = playCounted(lines, start, RunSpeed::Fastest, RunLimits{0, 10 * steps});
        QCOMPARE(more.end, RunEnd::Stopped);
        QVERIFY(more.count > bounded.count);
    }

    // A ПОВОРОТ line: two turn pauses and the line pause. A crash: forty blink pauses.
    void timings_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("crashBlinking");

        QTest::newRow("ПОВОРОТ slow") << "ПОВОРОТ" << int(RunSpeed::Slow) << 700 << 0;
        QTest::newRow("ПОВОРОТ middle") << "ПОВОРОТ" << int(RunSpeed::Middle) << 70 << 0;
        QTest::newRow("ПОВОРОТ fastest") << "ПОВОРОТ" << int(RunSpeed::Fastest) << 0 << 0;
        QTest::newRow("crash slow") << "ШАГ" << int(RunSpeed::Slow) << 4500 << 4000;
        QTest::newRow("crash middle") << "ПРЫЖОК" << int(RunSpeed::Middle) << 4010 << 4000;
        QTest::newRow("crash fastest") << "ШАГ" << int(RunSpeed::Fastest) << 400 << 400;
    }

    void timings()
    {
        QFETCH(QString, line);
        QFETCH(int, speed);
        QFETCH(int, total);
        QFETCH(int, crashBlinking);

        World world;
        world.start = {11, 0, 0};
        const Played played = playRun({line}, world, RunSpeed(speed));
        QCOMPARE(played.elapsed, qint64(total));
        int blinking = 0;
        bool inCrash = false;
        for (const QString &event : played.events) {
            if (event == QLatin1String("crash"))
                inCrash = true;
            else if (event.startsWith(QLatin1String("message")))
                inCrash = false;
            else if (inCrash && event.startsWith(QLatin1String("wait ")))
                blinking += event.mid(5).toInt();
        }
        QCOMPARE(blinking, crashBlinking);
    }

    // What the machine hands back to whoever drives it; a breakpoint's pause comes before
    // its line's command.
    void yields_data()
    {
        QTest::addColumn<QList<int>>("breakpoints");
        QTest::addColumn<int>("pauseAt");

        QTest::newRow("no breakpoint") << QList<int>{} << -1;
        QTest::newRow("breakpoint on the turn") << QList<int>{0} << 0;
        QTest::newRow("breakpoint on the step") << QList<int>{1} << 4;
    }

    void yields()
    {
        QFETCH(QList<int>, breakpoints);
        QFETCH(int, pauseAt);

        World world;
        world.start = {11, 0, 0};
        Interpreter interpreter({"ПОВОРОТ", "ШАГ"}, world, DelaySettings::forSpeed(RunSpeed::Slow));
        interpreter.setBreakpoints(breakpoints);
        QStringList yields;
        for (int guard = 0; guard < 100 && !interpreter.isFinished(); ++guard) {
            const RunYield y = interpreter.resume();
            switch (y.kind) {
            case RunYield::Kind::Wait: yields << QStringLiteral("wait %1").arg(y.milliseconds); break;
            case RunYield::Kind::Message: yields << "message " + interpreter.message().caption; break;
            case RunYield::Kind::ProcessEvents: yields << "events"; break;
            case RunYield::Kind::Paused: yields << "paused"; break;
            case RunYield::Kind::Finished: yields << "finished " + RunEventLog::endName(y.end); break;
            }
        }
        QStringList expected{"wait 100", "wait 100", "wait 500", "events"};
        for (int i = 0; i < 40; ++i)
            expected << "wait 100";
        expected << "message Error"
                 << "wait 500"
                 << "events"
                 << "finished crash";
        if (pauseAt >= 0)
            expected.insert(pauseAt, QStringLiteral("paused"));
        QCOMPARE(yields, expected);
        QCOMPARE(interpreter.resume().kind, RunYield::Kind::Finished);
        QCOMPARE(interpreter.end(), RunEnd::Crash);
        QCOMPARE(world.executor, (ExecutorState{11, 0, 90}));
    }

    // A stop from an observer's callback; a stop together with a crash counts as a crash.
    void stopFromObserver_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("lastEvents");

        QTest::newRow("stop at a turn") << QStringList{"ПОВОРОТ", "ПОВОРОТ", "ПОВОРОТ"} << "turn 180"
                                        << "turn 180|wait 0|end limit";
        QTest::newRow("stop and crash") << QStringList{"ШАГ"} << "crash"
                                        << "wait 0|end crash";
        QTest::newRow("stop in the last line") << QStringList{"ПОВОРОТ"} << "turn 180"
                                               << "turn 180|wait 0|end limit";
    }

    void stopFromObserver()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, trigger);
        QFETCH(QString, lastEvents);

        World world;
        world.start = {5, 0, 90};
        StopAt observer;
        observer.trigger = trigger;
        Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed::Fastest), nullptr, &observer);
        observer.interpreter = &interpreter;
        interpreter.requestStop(); // a stop before the run is forgotten when it starts
        VirtualRunDriver().play(interpreter);
        const QStringList expected = lastEvents.split(QLatin1Char('|'));
        QCOMPARE(observer.lines().mid(observer.lines().size() - expected.size()), expected);
    }

    // An observer that only collects what the passes did hears the same run less each line
    // and the moves, timed waits, messages and ends just as a log hears them.
    void collector_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<StartPosition>("start");
        QTest::addColumn<int>("speed");

        QTest::newRow("endless turning, fastest")
            << algorithm({"    ПОКА впереди НЕ стена", "    НЦ", "        ПОВОРОТ", "    КЦ"})
            << StartPosition{5, 5, 0} << int(RunSpeed::Fastest);
        QTest::newRow("walk, jump and crash, middle") << algorithm(
            {"    ПОКА впереди НЕ стена", "    НЦ", "        ШАГ", "    КЦ", "    ПОВОРОТ", "    ПРЫЖОК",
             "    ПОВОРОТ", "    ПОВОРОТ", "    ПОВОРОТ", "    ПОВОРОТ", "    ШАГ"})
                                                      << StartPosition{8, 11, 0} << int(RunSpeed::Middle);
        QTest::newRow("recursive walk in a branch, slow")
            << algorithm({"    ДЕЛАЙ идти"},
                         {"ПРОЦЕДУРА идти", "    ЕСЛИ впереди стена", "       ТО", "       ИНАЧЕ",
                          "           ШАГ", "           ДЕЛАЙ идти", "    ВСЁ", "КОНЕЦ ПРОЦЕДУРЫ"})
            << StartPosition{6, 0, 0} << int(RunSpeed::Slow);
    }

    void collector()
    {
        QFETCH(QStringList, lines);
        QFETCH(StartPosition, start);
        QFETCH(int, speed);

        class Collector : public RunEventLog
        {
        public:
            bool isFollowingLines() const override { return false; }
        };
        World world;
        world.start = start;
        world.walls.walls = variableWalls(1);
        Collector collector;
        Interpreter interpreter(lines, world, DelaySettings::forSpeed(RunSpeed(speed)), nullptr, &collector);
        const RunEnd end = VirtualRunDriver(1000).play(interpreter);

        World again;
        again.start = start;
        again.walls.walls = variableWalls(1);
        const Played played = playRun(lines, again, RunSpeed(speed), 1000);
        QCOMPARE(end, played.end);
        QStringList expected;
        for (const QString &event : played.events) {
            if (!event.startsWith(QLatin1String("highlight ")) && event != QLatin1String("wait 0")
                && !event.startsWith(QLatin1String("turn ")))
                expected << event;
        }
        QCOMPARE(collector.lines(), expected);
        QVERIFY(expected.size() < played.events.size());
    }

    void fieldDrawing()
    {
        World world;
        world.start = {0, 0, 0};
        world.walls.walls = variableWalls(2);
        RecordingCanvas canvas;
        const Played played = playRun({"ПРЫЖОК"}, world, RunSpeed::Fastest, 0, 1, &canvas);
        QCOMPARE(played.end, RunEnd::Complete);
        QStringList expected{"empty field", "task objects"};
        for (const auto &[s1, s2] : {std::pair{1, 1}, {1, 2}, {2, 1}, {2, 2}}) {
            expected << "empty field"
                     << "task objects";
            expected << QStringLiteral("absent 0 %1").arg(3 - s1) << QStringLiteral("present 0 %1").arg(s1);
            expected << QStringLiteral("absent 1 %1").arg(3 - s2) << QStringLiteral("present 1 %1").arg(s2);
            expected << "restore 0 0"
                     << "save 1 0"
                     << "executor 1 0 0";
        }
        QCOMPARE(canvas.calls, expected);
        // The walls stay in the last arrangement.
        QCOMPARE(world.walls.selectors, (std::array<int, 3>{2, 2, 0}));
    }

    void deepRecursion()
    {
        class Counter : public RunObserver
        {
        public:
            int bodyLines = 0;
            RunMessage message;
            void lineHighlighted(int row) override { bodyLines += row == 2 ? 1 : 0; }
            void messageShown(const RunMessage &m) override { message = m; }
        } counter;

        World world;
        Interpreter interpreter({"ДЕЛАЙ п", "ПРОЦЕДУРА п", "ДЕЛАЙ п", "КОНЕЦ ПРОЦЕДУРЫ"}, world,
                                DelaySettings::forSpeed(RunSpeed::Fastest), nullptr, &counter);
        QCOMPARE(VirtualRunDriver().play(interpreter), RunEnd::Error);
        QCOMPARE(counter.bodyLines, Interpreter::defaultCallDepthLimit);
        QVERIFY(counter.message.text.contains(QLatin1String("100000")));
        QCOMPARE(counter.message.icon, RunMessage::Icon::Error);
    }

    void eventLogFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");

        QTest::newRow("one line") << "abc"
                                  << "abc";
        QTest::newRow("breaks") << "a\nb\n\nc "
                                << "a\\nb\\n\\nc ";
    }

    void eventLogFormat()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);

        RunEventLog log;
        RunMessage message;
        message.text = text;
        log.messageShown(message);
        QCOMPARE(log.lines(), QStringList{QStringLiteral("message ") + escaped});
        QCOMPARE(RunEventLog::endName(RunEnd::Stopped), QStringLiteral("limit"));
        QCOMPARE(severerEnd(RunEnd::Crash, RunEnd::Stopped), RunEnd::Crash);
        QCOMPARE(severerEnd(RunEnd::Crash, RunEnd::Error), RunEnd::Error);
        QCOMPARE(severerEnd(RunEnd::Complete, RunEnd::Stopped), RunEnd::Stopped);
    }
};

QTEST_APPLESS_MAIN(TestInterpreter)
#include "tst_interpreter.moc"
