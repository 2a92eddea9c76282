// "shagaika --task DIR --test N FILE": the work window opened on one test, and the command
// line refused with the checker's own message.
#include "app/field/fieldpanel.h"
#include "app/run/passlistpanel.h"
#include "app/shell/desktopprogram.h"
#include "app/shell/replaystart.h"
#include "app/work/worklayout.h"
#include "app/work/workwindow.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include "app/guihelpers.h"
#include "app/taskhelpers.h"

#include <QAction>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString maze = QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/maze");
const QString wrongOnce = QStringLiteral(SHAGAIKA_SOURCE_DIR "/docs/replay-example/wrong-once.txt");

} // namespace

class TestReplayStart : public QObject
{
    Q_OBJECT

private slots:
    void refusedAsTheCheckerRefuses_data();
    void refusedAsTheCheckerRefuses();
    void windowOpensOnTheTestAndListsPasses();
};

void TestReplayStart::refusedAsTheCheckerRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    const QString damaged = QStringLiteral(SHAGAIKA_SOURCE_DIR "/tests/cli/jury/damaged-task");
    QTest::newRow("no such test") << QStringList{"--task", maze, "--test", "33", wrongOnce};
    QTest::newRow("test 0") << QStringList{"--task", maze, "--test", "0", wrongOnce};
    QTest::newRow("no task folder") << QStringList{"--task", maze + "-none", "--test", "1", wrongOnce};
    QTest::newRow("a damaged task file") << QStringList{"--task", damaged, "--test", "1", wrongOnce};
    QTest::newRow("no algorithm file") << QStringList{"--task", maze, "--test", "1", wrongOnce + "-none"};
}

void TestReplayStart::refusedAsTheCheckerRefuses()
{
    QFETCH(QStringList, arguments);
    const ReplayStart start = prepareReplay(arguments);
    QVERIFY(!start.isOk());
    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY), arguments);
    QVERIFY(checker.waitForFinished(30000));
    QCOMPARE(checker.exitCode(), 2);
    const QString said = QString::fromUtf8(checker.readAllStandardError());
    QVERIFY2(said.startsWith("shagaika-check: " + start.error + "\n"),
             qPrintable(said + " / " + start.error));
}

void TestReplayStart::windowOpensOnTheTestAndListsPasses()
{
    const ReplayStart start = prepareReplay({"--task", maze, "--test", "5", wrongOnce});
    QVERIFY2(start.isOk(), qPrintable(start.error));
    DesktopProgram program(10);
    WorkWindow &window = *program.work();
    WorkSession &session = window.session();
    QSignalSpy paused(&session, &WorkSession::paused);
    QString error;
    QVERIFY(program.openReplay(start, error));
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), wrongOnce);
    QVERIFY(session.isAlgorithmLocked());
    QCOMPARE(session.stage(), WorkStage::Debugging);
    QVERIFY(!control<QAction>(window, "NMainWork")->isVisible());
    QVERIFY(!paused.isEmpty() || paused.wait(5000));
    QCOMPARE(session.algorithm().currentRow(), 0);

    MessageCollector messages;
    QSignalSpy ended(&session, &WorkSession::runEnded);
    session.chooseSpeed(RunSpeed::Fastest);
    QVERIFY(ended.wait(10000));
    QCOMPARE(session.world().executor.column, 10);
    // The test's walls are fixed ones: the pass names no arrangement.
    QCOMPARE(messages.messages.size(), 0);

    // The whole run: its list, the wrong pass chosen, and Enter runs it alone again.
    session.chooseSpeed(RunSpeed::Fastest);
    QVERIFY(ended.wait(20000));
    auto *panel = control<PassListPanel>(window, "PanelPasses");
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->texts().size(), 8);
    QCOMPARE(panel->selectedRow(), 4);
    QCOMPARE(panel->texts().at(4), QStringLiteral("5. 12 × 12\nстенки 2 1 1\n✗ остановился в (10,6)"));
    const WorkLayout layout = WorkLayout::compute(10);
    QVERIFY(!panel->geometry().intersects(layout.algorithmList));
    QVERIFY(!panel->geometry().intersects(window.fieldPanel().geometry()));
    panel->focusList();
    QTest::keyClick(control<QListWidget>(window, "ListPasses"), Qt::Key_Return);
    QVERIFY(ended.wait(10000));
    QCOMPARE(messages.messages.size(), 8);
    QCOMPARE(session.world().executor.column, 10);
    QCOMPARE(panel->texts().size(), 8);
    QTest::keyClick(control<QListWidget>(window, "ListPasses"), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
}

QTEST_MAIN(TestReplayStart)
#include "tst_replaystart.moc"
