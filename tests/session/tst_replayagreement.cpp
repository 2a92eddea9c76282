// A test replayed through the work session is the jury's pass of it: the same events as the
// checker's run of that test, and the same field picture at its end.
#include "editor/algorithmfile.h"
#include "judge/tasktest.h"
#include "session/worksession.h"
#include "tasks/setup/taskfolder.h"
#include "world/run/runeventlog.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestReplayAgreement : public QObject
{
    Q_OBJECT

private slots:
    void replayIsTheCheckersPass_data();
    void replayIsTheCheckersPass();
};

void TestReplayAgreement::replayIsTheCheckersPass_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("number");
    const QDir examples(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples"));
    for (const QString &name : examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString folder = examples.filePath(name);
        const TaskFileResult read = TaskFolder(folder).readTask();
        QVERIFY2(read.isOk(), qPrintable(folder));
        for (const TaskTest &test : taskTests(read.task))
            QTest::addRow("%s test %d", qPrintable(name), test.number) << folder << test.number;
    }
}

void TestReplayAgreement::replayIsTheCheckersPass()
{
    QFETCH(QString, folder);
    QFETCH(int, number);
    const QString solution = QDir(folder).filePath(QStringLiteral("solution.txt"));
    const AlgorithmFileResult read = readAlgorithmFile(solution);
    QVERIFY(read.isOk());

    WorkSession session(10);
    QVERIFY(session.openForReplay(folder, read.lines).isLoaded());
    RunEventLog events;
    session.setRunObserver(&events);
    QSignalSpy ended(&session, &WorkSession::runEnded);
    QVERIFY(session.replayTest(taskTests(session.task()).at(number - 1), RunSpeed::Fastest));
    QVERIFY(ended.wait(60000));

    QTemporaryDir pictures;
    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--task"), folder, QStringLiteral("--test"), QString::number(number),
                   QStringLiteral("--events"), QStringLiteral("--render"),
                   pictures.filePath(QStringLiteral("p")), solution});
    QVERIFY(checker.waitForFinished(60000));
    QStringList expected =
        QString::fromUtf8(checker.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(!expected.isEmpty() && expected.first().startsWith(QLatin1String("run ")));
    expected.removeFirst();
    QCOMPARE(events.lines(), expected);

    const QImage rendered(pictures.filePath(QStringLiteral("p-solution-%1.png").arg(number)));
    QVERIFY(!rendered.isNull());
    QCOMPARE(session.scene().picture().convertToFormat(QImage::Format_RGB32),
             rendered.convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestReplayAgreement)
#include "tst_replayagreement.moc"
