// A point Б that no algorithm can reach is reported at the Б field of its size's section.
#include "judge/pointbcheck.h"
#include "tasks/file/taskfilewriter.h"
#include "tasks/setup/taskeditmodel.h"

#include <QtTest>

class TestPointBCheck : public QObject
{
    Q_OBJECT

private slots:
    void unreachablePointB_data();
    void unreachablePointB();
};

void TestPointBCheck::unreachablePointB_data()
{
    QTest::addColumn<int>("closedSides"); // of the four walls around Б at (5, 5)
    QTest::addColumn<bool>("variableFourth");
    QTest::addColumn<bool>("hasPointB");
    QTest::addColumn<QString>("message");

    QTest::newRow("open") << 3 << false << true << QString();
    QTest::newRow("closed in") << 4 << false << true
                               << QStringLiteral("на поле 12 × 12 из точки А не дойти до точки Б (5,5)");
    QTest::newRow("closed in one arrangement")
        << 3 << true << true
        << QStringLiteral("на поле 12 × 12 из точки А не дойти до точки Б (5,5) при расстановке 1");
    QTest::newRow("no point Б") << 4 << false << false << QString();
}

void TestPointBCheck::unreachablePointB()
{
    QFETCH(int, closedSides);
    QFETCH(bool, variableFourth);
    QFETCH(bool, hasPointB);
    QFETCH(QString, message);

    TaskEditModel model;
    model.setHasPointB(hasPointB);
    QVERIFY(model.setPointB(12, {5, 5}));
    struct Side
    {
        bool horizontal;
        qint16 column;
        qint16 row;
    };
    const Side sides[] = {{false, 4, 5}, {false, 5, 5}, {true, 5, 4}, {true, 5, 5}};
    for (int i = 0; i < closedSides; ++i)
        QVERIFY(model.setWall(12, sides[i].horizontal, {sides[i].column, sides[i].row}, true));
    if (variableFourth)
        QVERIFY(model.addVariableWall(
            12, {WallVariant{QStringLiteral("H"), 5, 5}, WallVariant{QStringLiteral("H"), 8, 8}}));

    const TaskData task = model.task();
    const TaskFileLayout layout = layOutTaskFile(task);
    const QList<TaskProblem> problems = ::unreachablePointB(task, layout);
    if (message.isEmpty()) {
        QVERIFY(problems.isEmpty());
        return;
    }
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().message, message);
    // The section header is line 3 of a task without statement; Б stands in columns 13–17.
    QCOMPARE(problems.first().line, 3);
    QCOMPARE(problems.first().column, 13);
}

QTEST_GUILESS_MAIN(TestPointBCheck)
#include "tst_pointbcheck.moc"
