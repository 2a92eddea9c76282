// The reference solution run on every size and arrangement: each arrangement is a run of
// its own, and a pass is right only when it runs to its end (on Б, where the task has one).
#include "editor/algorithmfile.h"
#include "judge/referencecheck.h"
#include "tasks/setup/taskeditmodel.h"
#include "tasks/setup/taskfolder.h"

#include <QtTest>

namespace {

QString examplesFolder()
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/");
}

QStringList algorithm(const QStringList &body)
{
    return QStringList{QStringLiteral("АЛГОРИТМ ПРОБА"), QStringLiteral("    Дано: Исполнитель в т.А"),
                       QStringLiteral("    Надо: Исполнитель в т.Б"), QStringLiteral("НАЧ")}
    + body + QStringList{QStringLiteral("КОН")};
}

// 12 × 12, А at (0, 0) facing right, Б at (1, 0); a variable wall that blocks the way
// in its first position only.
TaskData doorTask()
{
    TaskData task = TaskEditModel::newTask();
    task.size(12).pointB = {1, 0};
    task.size(12).walls.variable = {
        {WallVariant{QStringLiteral("V"), 0, 0}, WallVariant{QStringLiteral("V"), 5, 5}}};
    return task;
}

} // namespace

class TestReferenceCheck : public QObject
{
    Q_OBJECT

private slots:
    void examplesPassEverywhere_data();
    void examplesPassEverywhere();
    void passes_data();
    void passes();
};

void TestReferenceCheck::examplesPassEverywhere_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<int>("passes");

    QTest::newRow("detour: two arrangements") << "detour" << 2;
    QTest::newRow("letter: one pass") << "letter" << 1;
    QTest::newRow("maze: four sizes of eight") << "maze" << 32;
}

void TestReferenceCheck::examplesPassEverywhere()
{
    QFETCH(QString, example);
    QFETCH(int, passes);
    const TaskFileResult task = TaskFolder(examplesFolder() + example).readTask();
    QVERIFY(task.isOk());
    const AlgorithmFileResult solution =
        readAlgorithmFile(examplesFolder() + example + QStringLiteral("/solution.txt"));
    QVERIFY(solution.isOk());

    const QList<TestPass> result = checkReference(PassRunner(task.task), solution.lines);
    QCOMPARE(result.size(), passes);
    for (const TestPass &pass : result)
        QVERIFY2(pass.isCorrect, qPrintable(QStringLiteral("%1 %2").arg(pass.fieldSize).arg(pass.message)));
}

void TestReferenceCheck::passes_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<QList<bool>>("correct");
    QTest::addColumn<QList<RunEnd>>("ends");

    QTest::newRow("a crash in one arrangement leaves the other")
        << QStringList{QStringLiteral("    ШАГ")} << QList<bool>{false, true}
        << QList<RunEnd>{RunEnd::Crash, RunEnd::Complete};
    QTest::newRow("ends beside Б") << QStringList{QStringLiteral("    ПОВОРОТ")} << QList<bool>{false, false}
                                   << QList<RunEnd>{RunEnd::Complete, RunEnd::Complete};
    // Four turns keep the wall ahead for ever where the door is shut.
    QTest::newRow("endless loop is stopped")
        << QStringList{QStringLiteral("    ПОКА впереди стена"),
                       QStringLiteral("    НЦ"),
                       QStringLiteral("        ПОВОРОТ"),
                       QStringLiteral("        ПОВОРОТ"),
                       QStringLiteral("        ПОВОРОТ"),
                       QStringLiteral("        ПОВОРОТ"),
                       QStringLiteral("    КЦ")}
        << QList<bool>{false, false} << QList<RunEnd>{RunEnd::Stopped, RunEnd::Complete};
}

void TestReferenceCheck::passes()
{
    QFETCH(QStringList, body);
    QFETCH(QList<bool>, correct);
    QFETCH(QList<RunEnd>, ends);

    const QList<TestPass> result = checkReference(PassRunner(doorTask()), algorithm(body));
    QCOMPARE(result.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(result.at(i).arrangement, QList<int>{i + 1});
        QCOMPARE(result.at(i).end, ends.at(i));
        QCOMPARE(result.at(i).isCorrect, correct.at(i));
        QCOMPARE(result.at(i).message.isEmpty(), ends.at(i) != RunEnd::Crash);
    }
}

QTEST_GUILESS_MAIN(TestReferenceCheck)
#include "tst_referencecheck.moc"
