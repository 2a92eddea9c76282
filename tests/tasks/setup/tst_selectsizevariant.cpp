#include "tasks/setup/selectsizevariant.h"

#include <QtTest>

namespace {

VariableWall variableWall(qint16 column)
{
    return {{QStringLiteral("H"), column, 1}, {QStringLiteral("V"), column, 2}};
}

// Size 12: two fixed walls and one variable wall; size 13: three variable walls;
// size 14: nothing; size 15: a start facing down.
TaskData sampleTask(bool hasPointB)
{
    TaskData task;
    task.hasPointB = hasPointB;
    task.size(12) = {{1, 2, 90}, {3, 4}, {{{5, 6}}, {{7, 8}}, {variableWall(1)}}};
    task.size(13) = {{9, 10, 180}, {11, 12}, {{}, {}, {variableWall(1), variableWall(2), variableWall(3)}}};
    task.size(15) = {{14, 14, 270}, {0, 14}, {{{1, 1}, {2, 2}}, {}, {}}};
    return task;
}

} // namespace

class TestSelectSizeVariant : public QObject
{
    Q_OBJECT

private slots:
    void copiesSize_data();
    void copiesSize();
    void selectorsFollowWallCount_data();
    void selectorsFollowWallCount();
};

void TestSelectSizeVariant::copiesSize_data()
{
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<bool>("hasPointB");

    for (int n = 12; n <= 15; ++n) {
        QTest::addRow("size %d with point B", n) << n << true;
        QTest::addRow("size %d without point B", n) << n << false;
    }
}

void TestSelectSizeVariant::copiesSize()
{
    QFETCH(int, fieldSize);
    QFETCH(bool, hasPointB);
    const TaskData task = sampleTask(hasPointB);
    World world;
    world.fieldSize = qint16(fieldSize);
    world.start = {7, 7, 180};
    world.pointB = {8, 8};
    world.walls.walls = {{{9, 9}, {10, 10}}, {{11, 11}}, {variableWall(4), variableWall(5)}};
    world.executor = {6, 5, 90};

    selectSizeVariant(task, world);

    const TaskSizeData &size = task.size(fieldSize);
    QCOMPARE(world.start, size.start);
    QCOMPARE(world.pointB, hasPointB ? size.pointB : (CellPosition{-1, -1}));
    QCOMPARE(world.walls.walls, size.walls);
    // The executor is put on the start by whoever draws the task, not here.
    QCOMPARE(world.executor, (ExecutorState{6, 5, 90}));
    QCOMPARE(int(world.fieldSize), fieldSize);
}

void TestSelectSizeVariant::selectorsFollowWallCount_data()
{
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("after");

    QTest::newRow("one wall keeps its selector, others cleared")
        << 12 << QList<int>{2, 1, 2} << QList<int>{2, 0, 0};
    QTest::newRow("three walls keep all") << 13 << QList<int>{2, 1, 2} << QList<int>{2, 1, 2};
    QTest::newRow("no walls clear all") << 14 << QList<int>{1, 2, 1} << QList<int>{0, 0, 0};
    QTest::newRow("zero stays zero") << 12 << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    QTest::newRow("size outside the task changes nothing")
        << 11 << QList<int>{1, 2, 1} << QList<int>{1, 2, 1};
    QTest::newRow("size 16 changes nothing") << 16 << QList<int>{2, 2, 2} << QList<int>{2, 2, 2};
}

void TestSelectSizeVariant::selectorsFollowWallCount()
{
    QFETCH(int, fieldSize);
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    World world;
    world.fieldSize = qint16(fieldSize);
    world.start = {7, 7, 180};
    world.walls.walls.horizontal = {{9, 9}};
    for (int i = 0; i < WallModel::maxVariableWalls; ++i)
        world.walls.selectors[i] = before[i];
    const World unchanged = world;

    selectSizeVariant(sampleTask(true), world);

    for (int i = 0; i < WallModel::maxVariableWalls; ++i)
        QCOMPARE(world.walls.selectors[i], after[i]);
    if (fieldSize < 12 || fieldSize > 15) {
        QCOMPARE(world.start, unchanged.start);
        QCOMPARE(world.walls.walls, unchanged.walls.walls);
    }
}

QTEST_APPLESS_MAIN(TestSelectSizeVariant)
#include "tst_selectsizevariant.moc"
