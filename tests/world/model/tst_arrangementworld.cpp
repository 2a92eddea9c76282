// The arrangements of the variable walls in the run's order, and the world with one
// arrangement made fixed.
#include "world/model/arrangementworld.h"

#include <QtTest>

namespace {

// A 12 × 12 world with two variable walls: a vertical one at (2,6)/(3,6), a horizontal one
// at (5,5)/(5,6) whose second orientation letter is not one the walls know.
World twoWallWorld()
{
    World world;
    world.fieldSize = 12;
    world.walls.walls.horizontal = {{1, 1}, {4, 7}};
    world.walls.walls.vertical = {{8, 3}};
    world.walls.walls.variable = {VariableWall{{"V", 2, 6}, {"V", 3, 6}},
                                  VariableWall{{"H", 5, 5}, {"X", 5, 6}}};
    return world;
}

} // namespace

class TestArrangementWorld : public QObject
{
    Q_OBJECT

private slots:
    void arrangementsInTheRunsOrder_data();
    void arrangementsInTheRunsOrder();
    void fixedArrangementAnswersEveryWallTestAlike();
};

void TestArrangementWorld::arrangementsInTheRunsOrder_data()
{
    QTest::addColumn<int>("walls");
    QTest::addColumn<QList<QList<int>>>("arrangements");

    QTest::newRow("none") << 0 << QList<QList<int>>{{}};
    QTest::newRow("one") << 1 << QList<QList<int>>{{1}, {2}};
    QTest::newRow("two, the first changing slowest")
        << 2 << QList<QList<int>>{{1, 1}, {1, 2}, {2, 1}, {2, 2}};
    QTest::newRow("three") << 3 << QList<QList<int>>{{1, 1, 1}, {1, 1, 2}, {1, 2, 1}, {1, 2, 2},
                                                     {2, 1, 1}, {2, 1, 2}, {2, 2, 1}, {2, 2, 2}};
    QTest::newRow("more than three slots: three") << 4 << allArrangements(3);
}

void TestArrangementWorld::arrangementsInTheRunsOrder()
{
    QFETCH(int, walls);
    QTEST(allArrangements(walls), "arrangements");
}

void TestArrangementWorld::fixedArrangementAnswersEveryWallTestAlike()
{
    for (const QList<int> &arrangement : allArrangements(2)) {
        const World arranged = arrangedWorld(twoWallWorld(), arrangement);
        World fixed = withArrangementFixed(arranged);
        QCOMPARE(fixed.walls.variableWallCount(), 0);
        World probe = arranged;
        for (qint16 row = 0; row < 12; ++row) {
            for (qint16 column = 0; column < 12; ++column) {
                for (qint16 heading : {0, 90, 180, 270}) {
                    probe.executor = {column, row, heading};
                    fixed.executor = probe.executor;
                    QVERIFY2(wallAhead(probe) == wallAhead(fixed),
                             qPrintable(QStringLiteral("(%1,%2) %3").arg(column).arg(row).arg(heading)));
                }
            }
        }
    }
    // The arrangement really changes the walls: variant 1 of the first wall blocks (2,6) → (3,6).
    World world = arrangedWorld(twoWallWorld(), {1, 1});
    world.executor = {2, 6, 0};
    QVERIFY(wallAhead(withArrangementFixed(world)));
    world = arrangedWorld(twoWallWorld(), {2, 1});
    world.executor = {2, 6, 0};
    QVERIFY(!wallAhead(withArrangementFixed(world)));
}

QTEST_APPLESS_MAIN(TestArrangementWorld)
#include "tst_arrangementworld.moc"
