#include "app/editing/breakpointmargin.h"
#include "app/editing/editorcontroller.h"
#include "app/editing/panels/commentpanel.h"
#include "app/editing/panels/conditionpanel.h"
#include "app/editing/panels/procedurepanel.h"
#include "app/run/callchainpanel.h"
#include "app/run/runtoolbar.h"
#include "app/work/worktools.h"
#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"
#include "session/breakpoints.h"
#include "session/worksession.h"

#include "app/taskhelpers.h"

#include "app/guihelpers.h"
#include <QAction>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(RunEnd)

namespace {

// A 12 × 12 task without variable walls: point А at (5, 5) facing east, a wall below cell (5, 8).
const QStringList openTask{"# 001 0 1  300", "Пробный запуск.", "Z", "0  5  5   0  0  0", "H", "  5  8", "E"};

QStringList algorithmWith(const QStringList &body, const QStringList &after = {})
{
    QStringList lines = algorithmSkeleton(true);
    for (int i = 0; i < body.size(); ++i)
        lines.insert(4 + i, QStringLiteral("    ") + body[i]);
    return lines + after;
}

QString executorText(const ExecutorState &executor)
{
    return QStringLiteral("%1,%2,%3")
        .arg(QString::number(executor.column), QString::number(executor.row),
             QString::number(executor.heading));
}

// The work window on a task of its own, in "Отладка" with the algorithm in place; every
// pause is noted as the pupil sees it and answered by the next click of a script.
class DebugSession
{
public:
    // `example`: the folder of an example task instead of `task`.
    DebugSession(const QStringList &algorithm, const QStringList &task = openTask,
                 const QString &example = {})
        : folder(task)
        , current(example.isEmpty() ? folder.path() : exampleFolder(example))
        , window(10)
        , tools(attachWorkTools(window))
    {
        window.show();
        QApplication::setActiveWindow(&window);
        exposed = QTest::qWaitForWindowActive(&window);
        control<QAction>(window, "NMainBegin")->trigger();
        control<QAction>(window, "NMainWork")->trigger();
        window.session().algorithm().setLines(algorithm);
        control<QAction>(window, "NMainDebug")->setEnabled(true);
        control<QAction>(window, "NMainDebug")->trigger();
        QObject::connect(&window.session(), &WorkSession::paused, &window,
                         [this](int row) { notePause(row); });
        QObject::connect(&window.session(), &WorkSession::runEnded, &window,
                         [this](RunEnd end) { ends.append(end); });
    }

    TaskFolderFixture folder;
    CurrentDirectory current;
    WorkWindow window;
    WorkTools tools;
    bool exposed = false;
    // What each pause showed: "<row> at <column>,<row>,<heading> | <status bar>".
    QStringList pauses;
    // The buttons clicked at the pauses, one per pause; once used up, the run is stopped.
    QStringList script;
    // How the runs ended, in order.
    QList<RunEnd> ends;

    QToolButton *button(const QString &name) { return control<QToolButton>(window, qPrintable(name)); }
    void click(const QString &name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // A run goes on from the event loop: the test waits for its end.
    void waitForRunEnd() { QTRY_VERIFY_WITH_TIMEOUT(!window.session().isRunning(), 30000); }
    // What the status bar says of the pause, when it says anything.
    QString pauseStatus()
    {
        const QLabel *label = control<QLabel>(window, "PauseStatus");
        return label->isVisible() && window.statusBar()->currentMessage().isEmpty() ? label->text()
                                                                                    : QString();
    }
    int listRow() { return control<QListView>(window, "lstCom")->currentIndex().row(); }
    BreakpointMargin *margin() { return control<BreakpointMargin>(window, "lstComBreakpoints"); }
    QPoint besideRow(int row)
    {
        control<QListView>(window, "lstCom")->scrollTo(window.session().algorithm().index(row, 0));
        return margin()->rowCentre(row);
    }
    // A click in the margin beside a line.
    void clickMargin(int row) { QTest::mouseClick(margin(), Qt::LeftButton, {}, besideRow(row)); }
    // "Выполнить до курсора" from the margin's menu beside a line.
    void runTo(int row)
    {
        const QPoint at = besideRow(row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, margin()->mapToGlobal(at));
        QApplication::sendEvent(margin(), &event);
        QAction *item = control<QAction>(*margin(), "NRunToCursor");
        const bool enabled = item->isEnabled();
        margin()->menu()->hide();
        if (enabled)
            item->trigger();
    }
    // "Ctrl+F2" and the like, pressed where the keys are.
    void pressControlKey(const QString &keys)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, Qt::Key(Qt::Key_F1 + keys.mid(6).toInt() - 1),
                        Qt::ControlModifier);
    }
    // A button by its name, "Ctrl+FN" for keys, or "to N": run to line N.
    void act(const QString &action)
    {
        if (action.startsWith(QLatin1String("to ")))
            runTo(action.mid(3).toInt());
        else if (action == QLatin1String("close"))
            window.close();
        else if (action.startsWith(QLatin1String("Ctrl+F")))
            pressControlKey(action);
        else
            click(action);
    }

private:
    void notePause(int row)
    {
        QString seen =
            QStringLiteral("%1 at %2 | %3")
                .arg(QString::number(row), executorText(window.session().world().executor), pauseStatus());
        if (listRow() != row)
            seen += QStringLiteral(" | list on %1").arg(listRow());
        if (!button(QStringLiteral("FixToolButtonPause"))->isChecked())
            seen += QStringLiteral(" | pause button up");
        if (!button(QStringLiteral("FixToolButtonResult"))->isEnabled())
            seen += QStringLiteral(" | speed buttons off");
        for (const char *timer : {"Timer1", "Timer2", "Timer3"})
            if (control<QTimer>(window, timer)->isActive())
                seen += QStringLiteral(" | %1 on").arg(QLatin1String(timer));
        pauses << seen;
        const QString next = script.isEmpty() ? QStringLiteral("FixToolButtonStop") : script.takeFirst();
        // The pupil's click comes from the event loop, as a real one would.
        QTimer::singleShot(0, &window, [this, next] { act(next); });
    }
};

const QStringList stepTurnStep{"ШАГ", "ПОВОРОТ", "ШАГ"};

// The same task with point А elsewhere.
QStringList taskAt(int column, int row, int heading)
{
    QStringList task = openTask;
    task[3] = QStringLiteral("0%1%2 %3  0  0").arg(column, 3).arg(row, 3).arg(heading, 3);
    return task;
}

// A pause as notePause() writes it, for the line `row` and the executor at `executor`.
QString pauseAt(int row, const char *executor)
{
    return QStringLiteral("%1 at %2 | Пауза: строка %3")
        .arg(QString::number(row), QLatin1String(executor), QString::number(row + 1));
}

QStringList pausesAt(const QList<std::pair<int, const char *>> &pauses)
{
    QStringList texts;
    for (const auto &[row, executor] : pauses)
        texts << pauseAt(row, executor);
    return texts;
}

const QStringList walkProcedure{"ПРОЦЕДУРА идти", "    ЕСЛИ впереди стена", "       ТО", "       ИНАЧЕ",
                                "           ШАГ", "           ДЕЛАЙ идти",  "    ВСЁ",   "КОНЕЦ ПРОЦЕДУРЫ"};

} // namespace

class TestDebugging : public QObject
{
    Q_OBJECT

private slots:
    // The pause button pressed while a line is shown: the run holds before the next line,
    // that line done; a speed button goes on, the stop button ends the run.
    void pauseAfterCurrentLine_data()
    {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<int>("pressedOn");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<RunEnd>("end");
        QTest::addColumn<QString>("executor");
        // The speed the run went on at last.
        QTest::addColumn<int>("lastSpeed");

        QTest::newRow("after a step, then the fastest speed")
            << stepTurnStep << 4 << "FixToolButtonQuick" << QStringList{"FixToolButtonResult"}
            << QStringList{"5 at 6,5,0 | Пауза: строка 6"} << RunEnd::Complete << "6,4,90"
            << int(RunSpeed::Fastest);
        QTest::newRow("after a turn, then the pause button again")
            << stepTurnStep << 5 << "FixToolButtonQuick" << QStringList{"FixToolButtonPause"}
            << QStringList{"6 at 6,5,90 | Пауза: строка 7"} << RunEnd::Complete << "6,4,90"
            << int(RunSpeed::Middle);
        QTest::newRow("at the slow speed, then stop: the line shown is not run")
            << stepTurnStep << 5 << "FixToolButtonDo" << QStringList{"FixToolButtonStop"}
            << QStringList{"6 at 6,5,90 | Пауза: строка 7"} << RunEnd::Stopped << "6,5,90"
            << int(RunSpeed::Slow);
        QTest::newRow("keys: Ctrl+F9 goes on at the run's own speed")
            << stepTurnStep << 5 << "FixToolButtonQuick" << QStringList{"Ctrl+F9"}
            << QStringList{"6 at 6,5,90 | Пауза: строка 7"} << RunEnd::Complete << "6,4,90"
            << int(RunSpeed::Middle);
        QTest::newRow("keys: Ctrl+F2 stops as the stop button")
            << stepTurnStep << 5 << "FixToolButtonDo" << QStringList{"Ctrl+F2"}
            << QStringList{"6 at 6,5,90 | Пауза: строка 7"} << RunEnd::Stopped << "6,5,90"
            << int(RunSpeed::Slow);
        QTest::newRow("one step, then the pause button: on at the run's own speed")
            << stepTurnStep << 4 << "FixToolButtonQuick"
            << QStringList{"FixToolButtonStep", "FixToolButtonPause"}
            << QStringList{"5 at 6,5,0 | Пауза: строка 6", "6 at 6,5,90 | Пауза: строка 7"}
            << RunEnd::Complete << "6,4,90" << int(RunSpeed::Middle);
        QTest::newRow("one step, then to the cursor: on at the run's own speed")
            << stepTurnStep + QStringList{"ПОВОРОТ"} << 4 << "FixToolButtonQuick"
            << QStringList{"FixToolButtonStep", "to 7"}
            << QStringList{"5 at 6,5,0 | Пауза: строка 6", "6 at 6,5,90 | Пауза: строка 7",
                           "7 at 6,4,90 | Пауза: строка 8"}
            << RunEnd::Stopped << "6,4,90" << int(RunSpeed::Middle);
    }

    void pauseAfterCurrentLine()
    {
        QFETCH(QStringList, body);
        QFETCH(int, pressedOn);
        QFETCH(QString, speed);
        QFETCH(QStringList, script);
        QFETCH(QStringList, expected);
        QFETCH(RunEnd, end);
        QFETCH(QString, executor);
        QFETCH(int, lastSpeed);

        DebugSession session(algorithmWith(body));
        QVERIFY(session.exposed);
        session.script = script;
        bool pressed = false;
        QObject::connect(&session.window.session().algorithm(), &AlgorithmText::currentRowChanged,
                         &session.window, [&](int row) {
                             if (row != pressedOn || pressed || !session.window.session().isRunning())
                                 return;
                             pressed = true;
                             session.click(QStringLiteral("FixToolButtonPause"));
                         });

        session.click(speed);
        session.waitForRunEnd();

        QVERIFY(pressed);
        QCOMPARE(session.pauses, expected);
        QCOMPARE(session.ends, QList<RunEnd>{end});
        QCOMPARE(executorText(session.window.session().world().executor), executor);
        QCOMPARE(session.window.session().delays(), DelaySettings::forSpeed(RunSpeed(lastSpeed)));
        QVERIFY(!session.button(QStringLiteral("FixToolButtonPause"))->isChecked());
        QVERIFY(session.button(QStringLiteral("FixToolButtonDo"))->isEnabled());
        QCOMPARE(session.pauseStatus(), QString());
    }

    // The run tool bar's keys pressed while a line is shown: Ctrl+F9 as the pause button,
    // Ctrl+F2 as the stop button; with no run under way both do nothing.
    void runKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<RunEnd>>("ends");

        QTest::newRow("Ctrl+F9 pauses after the line, Ctrl+F9 goes on")
            << "Ctrl+F9" << QStringList{"Ctrl+F9"} << QStringList{"5 at 6,5,0 | Пауза: строка 6"}
            << QList<RunEnd>{RunEnd::Complete};
        QTest::newRow("Ctrl+F2 stops the run")
            << "Ctrl+F2" << QStringList{} << QStringList{} << QList<RunEnd>{RunEnd::Stopped};
        QTest::newRow("Ctrl+F3 is no run key")
            << "Ctrl+F3" << QStringList{} << QStringList{} << QList<RunEnd>{RunEnd::Complete};
    }

    void runKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, script);
        QFETCH(QStringList, expected);
        QFETCH(QList<RunEnd>, ends);

        DebugSession session(algorithmWith(stepTurnStep));
        QVERIFY(session.exposed);
        session.script = script;
        // With no run, neither key starts one or changes the buttons.
        session.pressControlKey(keys);
        QVERIFY(session.ends.isEmpty());
        QVERIFY(!session.button(QStringLiteral("FixToolButtonPause"))->isChecked());
        bool pressed = false;
        QObject::connect(&session.window.session().algorithm(), &AlgorithmText::currentRowChanged,
                         &session.window, [&](int row) {
                             if (row != 4 || pressed || !session.window.session().isRunning())
                                 return;
                             pressed = true;
                             session.pressControlKey(keys);
                         });

        session.click(QStringLiteral("FixToolButtonQuick"));
        session.waitForRunEnd();

        QVERIFY(pressed);
        QCOMPARE(session.pauses, expected);
        QCOMPARE(session.ends, ends);
        QVERIFY(session.button(QStringLiteral("FixToolButtonDo"))->isEnabled());
    }

    // "Один шаг" from "Отладка" with no run, then again at every pause: one pause before
    // each line the run shows, into procedures and out of them, up to a crash.
    void stepping_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("task");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<RunEnd>("end");

        const QList<std::pair<int, const char *>> header{
            {0, "10,0,0"}, {1, "10,0,0"}, {2, "10,0,0"}, {3, "10,0,0"}};
        QTest::newRow("branch, no wall: the else part")
            << algorithmWith(
                   {"ЕСЛИ впереди стена", "   ТО", "       ПОВОРОТ", "   ИНАЧЕ", "       ШАГ", "ВСЁ"})
            << taskAt(10, 0, 0)
            << pausesAt(header
                        + QList<std::pair<int, const char *>>{{4, "10,0,0"},
                                                              {7, "10,0,0"},
                                                              {8, "10,0,0"},
                                                              {9, "11,0,0"}})
            << RunEnd::Complete;
        QTest::newRow("loop: head, НЦ, body and КЦ each time, the head once more")
            << algorithmWith({"ПОКА впереди НЕ стена", "НЦ", "    ШАГ", "КЦ"}) << taskAt(10, 0, 0)
            << pausesAt(header
                        + QList<std::pair<int, const char *>>{{4, "10,0,0"},
                                                              {5, "10,0,0"},
                                                              {6, "10,0,0"},
                                                              {7, "11,0,0"},
                                                              {4, "11,0,0"}})
            << RunEnd::Complete;
        QTest::newRow("call: into the procedure and back")
            << algorithmWith({"ДЕЛАЙ шаг", "ПОВОРОТ"}, {"ПРОЦЕДУРА шаг", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"})
            << taskAt(10, 0, 0)
            << pausesAt(header
                        + QList<std::pair<int, const char *>>{{4, "10,0,0"},
                                                              {7, "10,0,0"},
                                                              {8, "10,0,0"},
                                                              {9, "11,0,0"},
                                                              {5, "11,0,0"}})
            << RunEnd::Complete;
        QTest::newRow("recursive call: in and out again")
            << algorithmWith({"ДЕЛАЙ идти"}, walkProcedure) << taskAt(10, 0, 0)
            << pausesAt(header
                        + QList<std::pair<int, const char *>>{{4, "10,0,0"},
                                                              {6, "10,0,0"},
                                                              {7, "10,0,0"},
                                                              {9, "10,0,0"},
                                                              {10, "10,0,0"},
                                                              {11, "11,0,0"},
                                                              {6, "11,0,0"},
                                                              {7, "11,0,0"},
                                                              {8, "11,0,0"},
                                                              {12, "11,0,0"},
                                                              {13, "11,0,0"},
                                                              {12, "11,0,0"},
                                                              {13, "11,0,0"}})
            << RunEnd::Complete;
        QTest::newRow("crash: the step's line is the last pause")
            << algorithmWith({"ШАГ", "ПОВОРОТ"}) << taskAt(11, 0, 0)
            << pausesAt({{0, "11,0,0"}, {1, "11,0,0"}, {2, "11,0,0"}, {3, "11,0,0"}, {4, "11,0,0"}})
            << RunEnd::Crash;
    }

    void stepping()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, task);
        QFETCH(QStringList, expected);
        QFETCH(RunEnd, end);

        DebugSession session(lines, task);
        QVERIFY(session.exposed);
        MessageCollector messages;
        session.script = QStringList(expected.size(), QStringLiteral("FixToolButtonStep"));
        QElapsedTimer clock;
        clock.start();

        QTest::keyClick(&session.window, Qt::Key_F9);
        session.waitForRunEnd();

        QCOMPARE(session.pauses, expected);
        QCOMPARE(session.ends, QList<RunEnd>{end});
        QCOMPARE(messages.messages.size(), end == RunEnd::Crash ? 1 : 0);
        // Every step waits as the slow speed does after its line.
        QVERIFY(clock.elapsed() >= (expected.size() - 1) * 500);
    }

    // The window closed while paused: the run ends first, stopped, then the window closes.
    void closeWhilePaused()
    {
        DebugSession session(algorithmWith(stepTurnStep));
        QVERIFY(session.exposed);
        session.clickMargin(5);
        session.script = QStringList{QStringLiteral("close")};
        QSignalSpy ended(&session.window.session(), &WorkSession::runEnded);

        session.click(QStringLiteral("FixToolButtonResult"));
        session.waitForRunEnd();

        QCOMPARE(session.pauses.size(), 1);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(session.ends, QList<RunEnd>{RunEnd::Stopped});
        QCOMPARE(executorText(session.window.session().world().executor), QStringLiteral("6,5,0"));
        QTRY_VERIFY(!session.window.isVisible());
    }

    // A run at any speed pauses before a line with a breakpoint, each time it comes to it;
    // "Выполнить до курсора" pauses once at its line.
    void breakpoints_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("breakpoints");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("expected");

        const QStringList threeCalls = algorithmWith({"ДЕЛАЙ п", "ДЕЛАЙ п", "ДЕЛАЙ п"},
                                                     {"ПРОЦЕДУРА п", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"});
        const QStringList threeStops = pausesAt({{9, "5,5,0"}, {9, "5,5,90"}, {9, "5,5,180"}});
        const QStringList goOn(3, QStringLiteral("FixToolButtonResult"));
        QTest::newRow("in a procedure called three times, fastest")
            << threeCalls << QList<int>{9} << "FixToolButtonResult" << goOn << threeStops;
        QTest::newRow("in a procedure called three times, middle")
            << threeCalls << QList<int>{9} << "FixToolButtonQuick" << goOn << threeStops;
        QTest::newRow("in a procedure, each call gone on by one step")
            << threeCalls << QList<int>{9} << "FixToolButtonResult"
            << QStringList{"FixToolButtonStep", "FixToolButtonResult", "FixToolButtonResult",
                           "FixToolButtonResult"}
            << pausesAt({{9, "5,5,0"}, {10, "5,5,90"}, {9, "5,5,90"}, {9, "5,5,180"}});
        QTest::newRow("to the cursor from a pause")
            << algorithmWith(stepTurnStep) << QList<int>{4} << "FixToolButtonResult"
            << QStringList{"to 6", "FixToolButtonResult"} << pausesAt({{4, "5,5,0"}, {6, "6,5,90"}});
        QTest::newRow("to the cursor with no run: at the speed last chosen")
            << algorithmWith(stepTurnStep) << QList<int>{} << "to 6" << QStringList{"FixToolButtonResult"}
            << pausesAt({{6, "6,5,90"}});
        QTest::newRow("to the cursor: a breakpoint before it comes first, and ends it")
            << algorithmWith(stepTurnStep) << QList<int>{5} << "to 6" << QStringList{"FixToolButtonResult"}
            << pausesAt({{5, "6,5,0"}});
    }

    void breakpoints()
    {
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, breakpoints);
        QFETCH(QString, start);
        QFETCH(QStringList, script);
        QFETCH(QStringList, expected);

        DebugSession session(lines);
        QVERIFY(session.exposed);
        for (const int row : std::as_const(breakpoints))
            session.clickMargin(row);
        QCOMPARE(session.window.session().breakpoints().rows(), breakpoints);
        session.script = script;
        session.act(start);
        session.waitForRunEnd();

        QCOMPARE(session.pauses, expected);
        QCOMPARE(session.ends, QList<RunEnd>{RunEnd::Complete});
        QCOMPARE(session.script, QStringList{});
        // What the run was given to stop at is the pupil's still; nothing of "to the cursor" stays.
        QCOMPARE(session.window.session().breakpoints().rows(), breakpoints);
    }

    // "Вызовы" while paused in a recursive procedure: the outermost call first; a long
    // chain keeps its first and last ten. A click on a call selects its line.
    void callChainPanel_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QStringList>("expected");

        const QString outer = QStringLiteral("п, строка 5");
        const QString inner = QStringLiteral("п, строка 8");
        QTest::newRow("one call") << 1 << QStringList{outer};
        QTest::newRow("three calls") << 3 << QStringList{outer, inner, inner};
        QTest::newRow("a thousand calls") << 1000
                                          << QStringList{outer} + QStringList(9, inner)
                + QStringList{"… ещё 980 …"} + QStringList(10, inner);
    }

    void callChainPanel()
    {
        QFETCH(int, depth);
        QFETCH(QStringList, expected);

        DebugSession session(algorithmWith({"ДЕЛАЙ п"}, {"ПРОЦЕДУРА п", "    ДЕЛАЙ п", "КОНЕЦ ПРОЦЕДУРЫ"}));
        QVERIFY(session.exposed);
        session.clickMargin(7);
        session.script = QStringList(depth - 1, QStringLiteral("FixToolButtonResult"));
        auto *panel = control<CallChainPanel>(session.window, "PanelCalls");
        QStringList shown;
        bool shownWhilePaused = false;
        int selectedByClick = -1;
        QObject::connect(&session.window.session(), &WorkSession::paused, panel, [&] {
            shownWhilePaused = panel->isVisible();
            if (session.pauses.size() < depth)
                return;
            shown = panel->texts();
            auto *list = control<QListWidget>(*panel, "ListCalls");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
            selectedByClick = session.listRow();
        });
        QVERIFY(!panel->isVisible());

        session.click(QStringLiteral("FixToolButtonResult"));
        session.waitForRunEnd();

        QCOMPARE(session.pauses.size(), depth);
        QVERIFY(shownWhilePaused);
        QCOMPARE(shown, expected);
        QCOMPARE(selectedByClick, 4);
        QCOMPARE(session.ends, QList<RunEnd>{RunEnd::Stopped});
        QVERIFY(!panel->isVisible());
        // Beside the field and the algorithm, never over them.
        const QWidget *list = control<QListView>(session.window, "lstCom");
        const QWidget *field = control<QWidget>(session.window, "pnl1");
        QVERIFY(!panel->geometry().intersects(list->geometry()));
        QVERIFY(!panel->geometry().intersects(field->geometry()));
        QVERIFY(!panel->geometry().intersects(session.margin()->geometry()));
    }

    // The points panel, left open when the run started, stands aside while the run holds.
    void pointsPanelStandsAside_data()
    {
        QTest::addColumn<QString>("start");

        QTest::newRow("a breakpoint") << "FixToolButtonResult";
        QTest::newRow("one step") << "FixToolButtonStep";
    }

    void pointsPanelStandsAside()
    {
        QFETCH(QString, start);

        DebugSession session(algorithmWith({"ДЕЛАЙ п"}, {"ПРОЦЕДУРА п", "    ШАГ", "КОНЕЦ ПРОЦЕДУРЫ"}));
        QVERIFY(session.exposed);
        session.clickMargin(4);
        control<QAction>(session.window, "NMainPoints")->trigger();
        auto *points = control<QWidget>(session.window, "PanelPoints");
        auto *calls = control<CallChainPanel>(session.window, "PanelCalls");
        QVERIFY(points->isVisible());
        const QRect home = points->geometry();
        const QRect overlap = points->geometry() & calls->geometry();
        QVERIFY(!overlap.isEmpty());
        QWidget *onTop = nullptr;
        QObject::connect(&session.window.session(), &WorkSession::paused, calls, [&] {
            QVERIFY(calls->isVisible());
            onTop = session.window.centralWidget()->childAt(overlap.center());
        });

        session.click(start);
        session.waitForRunEnd();

        QCOMPARE(session.pauses.size(), 1);
        QVERIFY(onTop);
        QVERIFY2(onTop == calls || calls->isAncestorOf(onTop), qPrintable(onTop->objectName()));
        QCOMPARE(points->geometry(), home);
    }

    // A panel of the editor opened in "Отладка" before the run (by its function key, or the
    // comment panel left open from "Разработка") is closed by the run, and a choice it still
    // sends while the run is paused leaves the text the run walks as it is.
    void editorPanelsRestDuringRun_data()
    {
        QTest::addColumn<QString>("panel");

        QTest::newRow("branch, F7") << "PanelIf";
        QTest::newRow("loop, F8") << "PanelWhile";
        QTest::newRow("procedure call, F6") << "PanelProc";
        QTest::newRow("comment") << "PanelComment";
    }

    void editorPanelsRestDuringRun()
    {
        QFETCH(QString, panel);

        const QStringList lines =
            algorithmWith({"ДЕЛАЙ п", "ШАГ"}, {"ПРОЦЕДУРА п", "    ПОВОРОТ", "КОНЕЦ ПРОЦЕДУРЫ"});
        DebugSession session(lines);
        QVERIFY(session.exposed);
        attachEditor(session.window);
        MessageCollector messages;
        QWidget *opened = control<QWidget>(session.window, qPrintable(panel));
        if (panel == QLatin1String("PanelComment"))
            control<QAction>(session.window, "N7")->trigger();
        else
            pressKey(session.window,
                     panel == QLatin1String("PanelIf")          ? Qt::Key_F7
                         : panel == QLatin1String("PanelWhile") ? Qt::Key_F8
                                                                : Qt::Key_F6);
        QVERIFY(opened->isVisible());
        const auto buttonsOn = [&] {
            QList<bool> on;
            for (const char *name : {"PPButtonProc", "PPButtonDoProc"})
                on << control<QWidget>(session.window, name)->isEnabled();
            return on;
        };
        const QList<bool> buttonsBefore = buttonsOn();
        session.clickMargin(5);
        bool visibleAtPause = true;
        QList<bool> buttonsAtPause;
        QStringList linesAtPause;
        QObject::connect(&session.window.session(), &WorkSession::paused, opened, [&] {
            visibleAtPause = opened->isVisible();
            buttonsAtPause = buttonsOn();
            // What the panel sends when the pupil chooses in it.
            if (auto *condition = qobject_cast<ConditionPanel *>(opened))
                emit condition->conditionChosen(WallCondition::WallAhead);
            else if (auto *procedure = qobject_cast<ProcedurePanel *>(opened))
                emit procedure->nameChosen(QStringLiteral("п"), true);
            else if (auto *comment = qobject_cast<CommentPanel *>(opened))
                emit comment->commentEntered(QStringLiteral("заметка"));
            linesAtPause = session.window.session().algorithm().lines();
        });

        session.click(QStringLiteral("FixToolButtonResult"));
        session.waitForRunEnd();

        QCOMPARE(session.pauses, pausesAt({{5, "5,5,90"}}));
        QCOMPARE(linesAtPause, lines);
        QCOMPARE(session.window.session().algorithm().lines(), lines);
        QVERIFY(!visibleAtPause);
        QCOMPARE(buttonsAtPause, buttonsBefore);
        QCOMPARE(session.window.session().breakpoints().rows(), QList<int>{5});
        QCOMPARE(session.ends, QList<RunEnd>{RunEnd::Stopped});
    }

    // A run stopped while it paused on a line no insertion may go to (the header, "НЦ",
    // "ТО"): a command key in "Отладка" inserts where a click on that line would have put
    // the cursor, never into the header or between a head and its "НЦ" or "ТО".
    void commandKeyAfterStoppedRun_data()
    {
        QTest::addColumn<QStringList>("body");
        // The line with a breakpoint; -1: "Один шаг" starts the run, paused on the first line.
        QTest::addColumn<int>("breakpoint");
        QTest::addColumn<int>("pausedOn");
        QTest::addColumn<int>("insertedAt");

        QTest::newRow("one step: the title line") << stepTurnStep << -1 << 0 << 4;
        QTest::newRow("on НЦ") << QStringList{"ПОКА впереди НЕ стена", "НЦ", "    ШАГ", "КЦ"} << 5 << 5 << 6;
        QTest::newRow("on ТО") << QStringList{"ЕСЛИ впереди НЕ стена", "   ТО", "       ШАГ", "   ИНАЧЕ",
                                              "ВСЁ"}
                               << 5 << 5 << 6;
        QTest::newRow("on a command: there") << stepTurnStep << 5 << 5 << 5;
    }

    void commandKeyAfterStoppedRun()
    {
        QFETCH(QStringList, body);
        QFETCH(int, breakpoint);
        QFETCH(int, pausedOn);
        QFETCH(int, insertedAt);

        const QStringList lines = algorithmWith(body);
        DebugSession session(lines);
        QVERIFY(session.exposed);
        attachEditor(session.window);
        MessageCollector messages;
        if (breakpoint >= 0) {
            session.clickMargin(breakpoint);
            session.click(QStringLiteral("FixToolButtonResult"));
        } else {
            pressKey(session.window, Qt::Key_F9);
        }
        session.waitForRunEnd();
        QCOMPARE(session.pauses.size(), 1);
        QVERIFY(session.pauses.first().startsWith(QString::number(pausedOn) + QLatin1String(" at ")));
        QCOMPARE(session.ends, QList<RunEnd>{RunEnd::Stopped});

        pressKey(session.window, Qt::Key_F2);

        const QStringList after = session.window.session().algorithm().lines();
        QCOMPARE(after.size(), lines.size() + 1);
        QCOMPARE(after.mid(0, insertedAt), lines.mid(0, insertedAt));
        QCOMPARE(after[insertedAt].trimmed(), QStringLiteral("ШАГ"));
        QCOMPARE(after.mid(insertedAt + 1), lines.mid(insertedAt));
    }

    // "Отладка" offered again by a command key in that stage rests during a run with
    // "Разработка": neither chosen at a pause leaves the run without its stop button or
    // lets the variable walls swap under it; after the run both are back.
    void stagesRestDuringRun_data()
    {
        QTest::addColumn<QString>("start");

        QTest::newRow("one step, no run") << "F9";
        QTest::newRow("a breakpoint, fastest") << "FixToolButtonResult";
    }

    void stagesRestDuringRun()
    {
        QFETCH(QString, start);

        DebugSession session(algorithmWith(stepTurnStep), openTask, QStringLiteral("detour"));
        QVERIFY(session.exposed);
        attachEditor(session.window);
        MessageCollector messages;
        auto *debugging = control<QAction>(session.window, "NMainDebug");
        auto *development = control<QAction>(session.window, "NMainWork");
        QVERIFY(!debugging->isEnabled());
        session.window.session().algorithm().setCurrentRow(4);
        pressKey(session.window, Qt::Key_F2);
        QVERIFY(debugging->isEnabled());
        session.clickMargin(5);
        QStringList seen;
        QObject::connect(&session.window.session(), &WorkSession::paused, debugging, [&] {
            if (!seen.isEmpty())
                return;
            const auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
            seen << QStringLiteral("Отладка ") + onOff(debugging->isEnabled());
            debugging->trigger();
            development->trigger();
            seen << QStringLiteral("Разработка ") + onOff(development->isEnabled());
            seen << QStringLiteral("stop ")
                    + onOff(session.button(QStringLiteral("FixToolButtonStop"))->isEnabled());
            seen << QStringLiteral("Timer1 ") + onOff(control<QTimer>(session.window, "Timer1")->isActive());
            // Ended whatever state the buttons are left in.
            QTimer::singleShot(0, &session.window, [&] { session.window.session().stopRun(); });
        });

        if (start == QLatin1String("F9"))
            pressKey(session.window, Qt::Key_F9);
        else
            session.click(start);
        session.waitForRunEnd();

        QCOMPARE(seen, (QStringList{"Отладка off", "Разработка off", "stop on", "Timer1 off"}));
        QCOMPARE(session.ends, QList<RunEnd>{RunEnd::Stopped});
        QCOMPARE(session.window.session().stage(), WorkStage::Debugging);
        QVERIFY(debugging->isEnabled());
        QVERIFY(development->isEnabled());
        QVERIFY(!control<QTimer>(session.window, "Timer1")->isActive());
    }

    // The variable walls swap until the first run; a paused run keeps them still.
    void wallsStayWhilePaused()
    {
        const QStringList turns{"ПОВОРОТ", "ПОВОРОТ", "ПОВОРОТ", "ПОВОРОТ"};
        DebugSession session(algorithmWith(turns), openTask, QStringLiteral("detour"));
        QVERIFY(session.exposed);
        MessageCollector messages;
        QVERIFY(control<QTimer>(session.window, "Timer1")->isActive());
        session.clickMargin(5);
        session.script = QStringList(2, QStringLiteral("FixToolButtonResult"));

        session.click(QStringLiteral("FixToolButtonQuick"));
        session.waitForRunEnd();

        // Once for each of the two arrangements, the timer never running.
        QCOMPARE(session.pauses.size(), 2);
        for (const QString &pause : std::as_const(session.pauses))
            QVERIFY2(pause.startsWith(QLatin1String("5 at ")) && pause.endsWith(QStringLiteral("строка 6")),
                     qPrintable(pause));
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(session.ends, QList<RunEnd>{RunEnd::Complete});
    }
};

QTEST_MAIN(TestDebugging)
#include "tst_debugging.moc"
