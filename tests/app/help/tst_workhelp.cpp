#include "app/help/workhelp.h"
#include "helpview/helpwindow.h"

#include "app/editorsession.h"

#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

QStringList algorithm()
{
    return {QStringLiteral("АЛГОРИТМ ПУТЬ_0"),
            QStringLiteral("    Дано: Исполнитель в т.А"),
            QStringLiteral("    Надо: Исполнитель в т.Б"),
            QStringLiteral("НАЧ"),
            QStringLiteral("    ПОКА впереди стена"),
            QStringLiteral("    НЦ"),
            QStringLiteral("        ПОВОРОТ"),
            QStringLiteral("    КЦ"),
            QStringLiteral("    ЕСЛИ впереди стена"),
            QStringLiteral("       ТО"),
            QStringLiteral("       ИНАЧЕ"),
            QStringLiteral("    ВСЁ"),
            QStringLiteral("    ДЕЛАЙ угол"),
            QStringLiteral("КОН"),
            QStringLiteral("ПРОЦЕДУРА угол"),
            QStringLiteral("КОНЕЦ ПРОЦЕДУРЫ")};
}

} // namespace

class TestWorkHelp : public QObject
{
    Q_OBJECT

private slots:
    void f1OpensThePageOfTheSelection_data();
    void f1OpensThePageOfTheSelection();
    void aRunGoesOnUnderTheHelp();
};

void TestWorkHelp::f1OpensThePageOfTheSelection_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("focus"); // the control with the keys
    QTest::addColumn<QString>("page");
    QTest::newRow("ЕСЛИ") << 8 << "lstCom"
                          << "branch";
    QTest::newRow("ИНАЧЕ") << 10 << "lstCom"
                           << "branch";
    QTest::newRow("ЕСЛИ, the keys on a button of the command panel") << 8 << "PPButtonProc"
                                                                     << "branch";
    QTest::newRow("ПОКА") << 4 << "lstCom"
                          << "loop";
    QTest::newRow("ПОВОРОТ") << 6 << "lstCom"
                             << "turn";
    QTest::newRow("ДЕЛАЙ") << 12 << "lstCom"
                           << "call";
    QTest::newRow("КОНЕЦ ПРОЦЕДУРЫ") << 15 << "lstCom"
                                     << "procedure";
    QTest::newRow("НАЧ") << 3 << "lstCom"
                         << "algorithm";
    QTest::newRow("the points panel") << 8 << "EditAX"
                                      << "points";
    QTest::newRow("the procedure panel") << 8 << "EditNewProc"
                                         << "procedure";
}

void TestWorkHelp::f1OpensThePageOfTheSelection()
{
    QFETCH(int, row);
    QFETCH(QString, focus);
    QFETCH(QString, page);
    EditorSession session;
    attachWorkTools(session.window);
    HelpWindow *help = attachHelp(session.window);
    session.text().setLines(algorithm());
    session.select(row);
    if (focus == QLatin1String("EditAX"))
        control<QAction>(session.window, "NMainPoints")->trigger();
    if (focus == QLatin1String("EditNewProc"))
        session.key(Qt::Key_F5);
    auto *target = session.window.findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_F1);
    QVERIFY(help->isVisible());
    QCOMPARE(help->currentPage(), page);
    // Back where it was: the help only reads the work.
    QCOMPARE(session.lines(), algorithm());
    QCOMPARE(session.currentRow(), row);
}

void TestWorkHelp::aRunGoesOnUnderTheHelp()
{
    EditorSession session(true, WorkStage::Debugging);
    HelpWindow *help = attachHelp(session.window);
    session.text().setLines(algorithm());
    QSignalSpy ended(&session.window.session(), &WorkSession::runEnded);
    QTest::mouseClick(control<QToolButton>(session.window, "FixToolButtonDo"), Qt::LeftButton);
    QVERIFY(session.window.session().isRunning());
    QTest::keyClick(session.focus(), Qt::Key_F1);
    QVERIFY(help->isVisible());
    const int row = session.currentRow();
    QTRY_VERIFY(session.currentRow() != row);
    QVERIFY(session.window.session().isRunning());
    // "?" at the end of the menu bar opens the contents.
    QAction *item = session.window.menuBar()->actions().constLast();
    QCOMPARE(item->text(), QStringLiteral("?"));
    help->openPage(QStringLiteral("step"));
    item->trigger();
    QCOMPARE(help->currentPage(), QStringLiteral("index"));
    QCOMPARE(ended.count(), 0);
    session.window.session().stopRun();
    QTRY_COMPARE(ended.count(), 1);
}

QTEST_MAIN(TestWorkHelp)
#include "tst_workhelp.moc"
