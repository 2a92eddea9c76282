#include "tasks/setup/taskfolder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// Every bundled example task must load, and its reference solution must complete on every
// size the task offers and in every arrangement of its variable walls; a task with point Б
// must end every pass on Б.
class TestExamples : public QObject
{
    Q_OBJECT

private slots:
    void referenceSolutionSolvesTheTask_data();
    void referenceSolutionSolvesTheTask();
};

void TestExamples::referenceSolutionSolvesTheTask_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("size");

    const QDir examples(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples"));
    const QStringList folders = examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY2(folders.size() >= 3, "the example tasks are missing");
    for (const QString &name : folders) {
        const TaskFileResult result = TaskFolder(examples.filePath(name)).readTask();
        if (!result.isOk())
            QFAIL(qPrintable(name + QStringLiteral(": ") + result.error->message));
        for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
            if (result.task.offersSize(size))
                QTest::addRow("%s-%d", qPrintable(name), size) << examples.filePath(name) << size;
        }
    }
}

void TestExamples::referenceSolutionSolvesTheTask()
{
    QFETCH(QString, folder);
    QFETCH(int, size);

    const TaskFileResult loaded = TaskFolder(folder).readTask();
    QVERIFY(loaded.isOk());
    const TaskData &task = loaded.task;
    QVERIFY2(!task.hasPattern || !TaskFolder(folder).patternFilePath().isEmpty(),
             "the pattern picture is missing");

    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--task"), folder, QStringLiteral("--size"), QString::number(size),
                   QStringLiteral("--json"), QDir(folder).filePath(QStringLiteral("solution.txt"))});
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 0);

    const QJsonObject run = QJsonDocument::fromJson(checker.readAllStandardOutput()).object();
    QCOMPARE(run.value(QStringLiteral("end")).toString(), QStringLiteral("complete"));
    const QJsonArray passes = run.value(QStringLiteral("passes")).toArray();
    const int variableWalls = int(task.size(size).walls.variable.size());
    QCOMPARE(passes.size(), 1 << variableWalls);
    for (const QJsonValue &value : passes) {
        const QJsonObject pass = value.toObject();
        QCOMPARE(pass.value(QStringLiteral("end")).toString(), QStringLiteral("complete"));
        if (task.hasPointB) {
            const QJsonObject executor = pass.value(QStringLiteral("executor")).toObject();
            QCOMPARE(executor.value(QStringLiteral("column")).toInt(), int(task.size(size).pointB.column));
            QCOMPARE(executor.value(QStringLiteral("row")).toInt(), int(task.size(size).pointB.row));
        } else {
            QVERIFY(!pass.value(QStringLiteral("trace")).toArray().isEmpty());
        }
    }
}

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
