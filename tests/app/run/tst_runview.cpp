#include "app/field/fieldview.h"
#include "app/field/panelpoints.h"
#include "app/run/runtoolbar.h"
#include "app/work/worktools.h"
#include "editor/algorithmline.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"
#include "world/commands/runtexts.h"

#include "app/taskhelpers.h"

#include "app/guihelpers.h"
#include <QAction>
#include <QListView>
#include <QPaintEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// A 12 × 12 task without variable walls: point А at (5, 5) facing `heading`, a wall
// below cell (5, 8).
QStringList openTask(int heading)
{
    return {"# 001 0 1  300",
            "Пробный запуск.",
            "Z",
            QStringLiteral("0  5  5 %1  0  0").arg(heading, 3),
            "H",
            "  5  8",
            "E"};
}

QStringList algorithmWith(const QStringList &body)
{
    QStringList lines = algorithmSkeleton(true);
    for (int i = 0; i < body.size(); ++i)
        lines.insert(4 + i, QStringLiteral("    ") + body[i]);
    return lines;
}

const QStringList walkToWall{"ПОКА впереди НЕ стена", "НЦ", "    ШАГ", "КЦ"};

// The ends of the session's runs from now on, in order, as it announces them.
class RunEnds
{
public:
    explicit RunEnds(WorkSession &session)
    {
        QObject::connect(&session, &WorkSession::runEnded, &m_receiver,
                         [this](RunEnd end) { ends.append(end); });
    }
    QList<RunEnd> ends;

private:
    QObject m_receiver;
};

// Counts the repaints of a widget and the largest area one of them covered.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;
    int smallCount = 0;
    QSize fullSize;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            const QRect rect = static_cast<QPaintEvent *>(event)->rect();
            if (rect.width() < fullSize.width() / 4 && rect.height() < fullSize.height() / 4)
                ++smallCount;
        }
        return false;
    }
};

} // namespace

class TestRunView : public QObject
{
    Q_OBJECT

private slots:
    void walksToTheWall_data();
    void walksToTheWall();
    void arrangementsOfDetour();
    void stopEndsTheRun();
    void crashShowsTheError();
    void menuItemsRestDuringRun();
    void closeDuringRunStopsFirst();

private:
    // The window with the task of `folder` opened, the algorithm in place, in "Отладка".
    static void prepare(WorkWindow &window, const QStringList &algorithm);
};

void TestRunView::prepare(WorkWindow &window, const QStringList &algorithm)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    control<QAction>(window, "NMainBegin")->trigger();
    control<QAction>(window, "NMainWork")->trigger();
    window.session().algorithm().setLines(algorithm);
    control<QAction>(window, "NMainDebug")->setEnabled(true);
    control<QAction>(window, "NMainDebug")->trigger();
    QVERIFY(control<QToolButton>(window, "FixToolButtonResult")->isEnabled());
}

void TestRunView::walksToTheWall_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("fastest") << "FixToolButtonResult";
    QTest::newRow("middle") << "FixToolButtonQuick";
}

void TestRunView::walksToTheWall()
{
    QFETCH(QString, button);
    TaskFolderFixture folder(openTask(270));
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    const RunEnds runs(window.session());
    prepare(window, algorithmWith(walkToWall));
    PaintCounter paints(control<FieldView>(window, "PaintImage"));
    paints.fullSize = control<FieldView>(window, "PaintImage")->size();
    MessageCollector messages;
    QSignalSpy ended(&window.session(), &WorkSession::runEnded);

    QTest::mouseClick(window.findChild<QToolButton *>(button), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.session().isRunning(), 10000);

    QCOMPARE(ended.count(), 1);
    QCOMPARE(runs.ends, QList<RunEnd>{RunEnd::Complete});
    QVERIFY(messages.messages.isEmpty());
    // Down from row 5 to the wall below row 8, and no crash.
    QCOMPARE(window.session().world().executor, (ExecutorState{5, 8, 270}));
    QCOMPARE(control<QListView>(window, "lstCom")->currentIndex().row(), 8);
    QCOMPARE(window.session().algorithm().line(8), QStringLiteral("КОН"));
    QVERIFY(!window.session().isRunning());
    QVERIFY(control<QAction>(window, "NMainWork")->isEnabled());
    QVERIFY(control<QToolButton>(window, "FixToolButtonResult")->isEnabled());
    // Each of the three moves reached the screen in two small repaints of its own.
    QVERIFY2(paints.smallCount >= 6, qPrintable(QString::number(paints.smallCount)));
    const QImage shown =
        control<FieldView>(window, "PaintImage")->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, window.session().scene().picture().convertToFormat(QImage::Format_RGB32));
}

void TestRunView::arrangementsOfDetour()
{
    CurrentDirectory current(exampleFolder(QStringLiteral("detour")));
    WorkWindow window(10);
    attachWorkTools(window);
    const RunEnds runs(window.session());
    prepare(window, algorithmWith(walkToWall));
    MessageCollector messages;

    QTest::mouseClick(control<QToolButton>(window, "FixToolButtonResult"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.session().isRunning(), 10000);

    QCOMPARE(runs.ends, QList<RunEnd>{RunEnd::Complete});
    QCOMPARE(messages.messages.size(), 2);
    for (int k = 0; k < 2; ++k) {
        const RunMessage expected = arrangementMessage({k + 1});
        QCOMPARE(messages.messages[k].title, QStringLiteral("Information"));
        QCOMPARE(messages.messages[k].text, expected.text);
        QCOMPARE(messages.messages[k].icon, QMessageBox::Information);
    }
    // The second arrangement puts the wall below row 8.
    QCOMPARE(window.session().world().executor, (ExecutorState{0, 8, 270}));
    QCOMPARE(window.session().world().walls.selectors, (std::array<int, 3>{2, 0, 0}));
    QCOMPARE(window.session().algorithm().line(control<QListView>(window, "lstCom")->currentIndex().row()),
             QStringLiteral("КОН"));
    QVERIFY(!control<QTimer>(window, "Timer1")->isActive());
}

void TestRunView::stopEndsTheRun()
{
    // Turning on the spot where no edge is a wall: the loop never ends by itself.
    TaskFolderFixture folder(openTask(0));
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    const RunEnds runs(window.session());
    prepare(window, algorithmWith({"ПОКА впереди НЕ стена", "НЦ", "    ПОВОРОТ", "КЦ"}));
    MessageCollector messages;

    bool runningWhenStopped = false;
    QTimer::singleShot(150, &window, [&] {
        runningWhenStopped = window.session().isRunning();
        QTest::mouseClick(control<QToolButton>(window, "FixToolButtonStop"), Qt::LeftButton);
    });
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(control<QToolButton>(window, "FixToolButtonResult"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.session().isRunning(), 10000);

    QVERIFY(runningWhenStopped);
    QVERIFY(clock.elapsed() < 5000);
    QCOMPARE(runs.ends, QList<RunEnd>{RunEnd::Stopped});
    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(window.session().world().executor.column, qint16(5));
    QCOMPARE(window.session().world().executor.row, qint16(5));
    // The highlight stays inside the loop, where the stop found it.
    const int row = control<QListView>(window, "lstCom")->currentIndex().row();
    QVERIFY2(row >= 4 && row <= 7, qPrintable(QString::number(row)));
    QVERIFY(control<QAction>(window, "NMainWork")->isEnabled());
    QVERIFY(control<QToolButton>(window, "FixToolButtonDo")->isEnabled());
}

void TestRunView::crashShowsTheError()
{
    TaskFolderFixture folder(openTask(270));
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    const RunEnds runs(window.session());
    prepare(window, algorithmWith({"ШАГ", "ШАГ", "ШАГ", "ШАГ", "ПОВОРОТ"}));
    MessageCollector messages;

    QTest::mouseClick(control<QToolButton>(window, "FixToolButtonResult"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.session().isRunning(), 10000);

    QCOMPARE(runs.ends, QList<RunEnd>{RunEnd::Crash});
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(messages.messages[0].text, wallCrashMessage().text);
    QCOMPARE(messages.messages[0].icon, QMessageBox::Critical);
    // Three steps down to the wall; the fourth crashed there, and the turn never ran.
    QCOMPARE(window.session().world().executor, (ExecutorState{5, 8, 270}));
    QCOMPARE(control<QListView>(window, "lstCom")->currentIndex().row(), 7);
}

void TestRunView::menuItemsRestDuringRun()
{
    TaskFolderFixture folder(openTask(0));
    CurrentDirectory current(folder.path());
    WorkWindow window(10);
    attachWorkTools(window);
    const RunEnds runs(window.session());
    prepare(window, algorithmWith({"ПОКА впереди НЕ стена", "НЦ", "    ПОВОРОТ", "КЦ"}));

    bool pointsShown = true;
    qint16 size = 0;
    QTimer::singleShot(100, &window, [&] {
        control<QAction>(window, "NMainPoints")->trigger();
        pointsShown = control<PanelPoints>(window, "PanelPoints")->isVisible();
        control<QAction>(window, "N1313")->trigger();
        size = window.session().world().fieldSize;
        window.session().stopRun();
    });
    QTest::mouseClick(control<QToolButton>(window, "FixToolButtonResult"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!window.session().isRunning(), 10000);

    QVERIFY(!pointsShown);
    QCOMPARE(size, qint16(12));
    QCOMPARE(runs.ends, QList<RunEnd>{RunEnd::Stopped});
}

void TestRunView::closeDuringRunStopsFirst()
{
    TaskFolderFixture folder(openTask(0));
    CurrentDirectory current(folder.path());
    QPointer<WorkWindow> window = new WorkWindow(10);
    window->setAttribute(Qt::WA_DeleteOnClose);
    attachWorkTools(*window);
    QSignalSpy ended(&window->session(), &WorkSession::runEnded);
    prepare(*window, algorithmWith({"ПОКА впереди НЕ стена", "НЦ", "    ПОВОРОТ", "КЦ"}));

    QTimer::singleShot(100, window, [&] { window->close(); });
    QTest::mouseClick(control<QToolButton>(*window, "FixToolButtonDo"), Qt::LeftButton);

    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).value<RunEnd>(), RunEnd::Stopped);
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestRunView)
#include "tst_runview.moc"
