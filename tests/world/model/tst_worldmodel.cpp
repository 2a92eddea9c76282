#include "world/model/world.h"

#include <QTest>

Q_DECLARE_METATYPE(ExecutorState)
Q_DECLARE_METATYPE(StartPosition)

namespace {

WallVariant variant(const char *orientation, qint16 column, qint16 row)
{
    return {QString::fromLatin1(orientation), column, row};
}

} // namespace

// The walls in the rows below: fixed horizontal (3, 4), fixed vertical (6, 7); variable wall 1
// with variant 1 vertical (1, 1) and variant 2 horizontal (1, 1) on the neighbouring edge;
// variable wall 2 with variant 1 "X" (never blocks) and variant 2 vertical (8, 8).
class TestWorldModel : public QObject
{
    Q_OBJECT

private:
    static World world(int selector1, int selector2, ExecutorState executor, qint16 fieldSize = 12)
    {
        World w;
        w.fieldSize = fieldSize;
        w.executor = executor;
        w.walls.walls.horizontal = {{3, 4}};
        w.walls.walls.vertical = {{6, 7}};
        w.walls.walls.variable = {{variant("V", 1, 1), variant("H", 1, 1)},
                                  {variant("X", 8, 8), variant("V", 8, 8)}};
        w.walls.selectors = {selector1, selector2, 0};
        return w;
    }

private slots:
    void wallQueries_data()
    {
        QTest::addColumn<int>("selector1");
        QTest::addColumn<int>("selector2");
        QTest::addColumn<bool>("horizontal");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("expected");

        QTest::newRow("fixed horizontal") << 0 << 0 << true << 3 << 4 << true;
        QTest::newRow("fixed horizontal is not vertical") << 0 << 0 << false << 3 << 4 << false;
        QTest::newRow("fixed horizontal, other row") << 0 << 0 << true << 3 << 5 << false;
        QTest::newRow("fixed horizontal, other column") << 0 << 0 << true << 4 << 4 << false;
        QTest::newRow("fixed vertical") << 0 << 0 << false << 6 << 7 << true;
        QTest::newRow("fixed vertical is not horizontal") << 0 << 0 << true << 6 << 7 << false;
        QTest::newRow("selector 0: variant 1 absent") << 0 << 0 << false << 1 << 1 << false;
        QTest::newRow("selector 0: variant 2 absent") << 0 << 0 << true << 1 << 1 << false;
        QTest::newRow("selector 1: variant 1 present") << 1 << 0 << false << 1 << 1 << true;
        QTest::newRow("selector 1: variant 2 absent") << 1 << 0 << true << 1 << 1 << false;
        QTest::newRow("selector 2: variant 2 present") << 2 << 0 << true << 1 << 1 << true;
        QTest::newRow("selector 2: variant 1 absent") << 2 << 0 << false << 1 << 1 << false;
        QTest::newRow("selector 3 means none") << 3 << 3 << false << 1 << 1 << false;
        QTest::newRow("letter X never blocks, as vertical") << 0 << 1 << false << 8 << 8 << false;
        QTest::newRow("letter X never blocks, as horizontal") << 0 << 1 << true << 8 << 8 << false;
        QTest::newRow("second wall, selector 2") << 0 << 2 << false << 8 << 8 << true;
    }

    void wallQueries()
    {
        QFETCH(int, selector1);
        QFETCH(int, selector2);
        QFETCH(bool, horizontal);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, expected);

        const World w = world(selector1, selector2, {});
        const bool actual = horizontal ? w.walls.horizontalWallAt(qint16(column), qint16(row))
                                       : w.walls.verticalWallAt(qint16(column), qint16(row));
        QCOMPARE(actual, expected);
    }

    void wallAhead_data()
    {
        QTest::addColumn<int>("selector1");
        QTest::addColumn<int>("selector2");
        QTest::addColumn<int>("fieldSize");
        QTest::addColumn<ExecutorState>("executor");
        QTest::addColumn<bool>("expected");

        // Borders, every heading.
        QTest::newRow("last column facing right") << 0 << 0 << 12 << ExecutorState{11, 5, 0} << true;
        QTest::newRow("column before last facing right") << 0 << 0 << 12 << ExecutorState{10, 5, 0} << false;
        QTest::newRow("last column of 13 facing right") << 0 << 0 << 13 << ExecutorState{12, 5, 0} << true;
        QTest::newRow("column 11 of 13 facing right") << 0 << 0 << 13 << ExecutorState{11, 5, 0} << false;
        QTest::newRow("row 0 facing up") << 0 << 0 << 12 << ExecutorState{5, 0, 90} << true;
        QTest::newRow("row 1 facing up") << 0 << 0 << 12 << ExecutorState{5, 1, 90} << false;
        QTest::newRow("column 0 facing left") << 0 << 0 << 12 << ExecutorState{0, 5, 180} << true;
        QTest::newRow("column 1 facing left") << 0 << 0 << 12 << ExecutorState{1, 5, 180} << false;
        QTest::newRow("last row facing down") << 0 << 0 << 12 << ExecutorState{5, 11, 270} << true;
        QTest::newRow("last row of 15 facing down") << 0 << 0 << 15 << ExecutorState{5, 14, 270} << true;
        QTest::newRow("row 11 of 15 facing down") << 0 << 0 << 15 << ExecutorState{5, 11, 270} << false;
        QTest::newRow("corner facing right") << 0 << 0 << 12 << ExecutorState{11, 11, 0} << true;
        QTest::newRow("corner facing up") << 0 << 0 << 12 << ExecutorState{11, 11, 90} << false;

        // Fixed vertical wall (6, 7): only the moves across its edge.
        QTest::newRow("vertical: from its cell right") << 0 << 0 << 12 << ExecutorState{6, 7, 0} << true;
        QTest::newRow("vertical: from the right cell left")
            << 0 << 0 << 12 << ExecutorState{7, 7, 180} << true;
        QTest::newRow("vertical: from its cell left") << 0 << 0 << 12 << ExecutorState{6, 7, 180} << false;
        QTest::newRow("vertical: from the right cell right")
            << 0 << 0 << 12 << ExecutorState{7, 7, 0} << false;
        QTest::newRow("vertical: from its cell up") << 0 << 0 << 12 << ExecutorState{6, 7, 90} << false;
        QTest::newRow("vertical: from its cell down") << 0 << 0 << 12 << ExecutorState{6, 7, 270} << false;
        QTest::newRow("vertical: from the cell below right")
            << 0 << 0 << 12 << ExecutorState{6, 8, 0} << false;

        // Fixed horizontal wall (3, 4).
        QTest::newRow("horizontal: from its cell down") << 0 << 0 << 12 << ExecutorState{3, 4, 270} << true;
        QTest::newRow("horizontal: from the cell below up")
            << 0 << 0 << 12 << ExecutorState{3, 5, 90} << true;
        QTest::newRow("horizontal: from its cell up") << 0 << 0 << 12 << ExecutorState{3, 4, 90} << false;
        QTest::newRow("horizontal: from the cell below down")
            << 0 << 0 << 12 << ExecutorState{3, 5, 270} << false;
        QTest::newRow("horizontal: from its cell right") << 0 << 0 << 12 << ExecutorState{3, 4, 0} << false;
        QTest::newRow("horizontal: from the right cell down")
            << 0 << 0 << 12 << ExecutorState{4, 4, 270} << false;

        // Variable wall 1: variant 1 vertical (1, 1), variant 2 horizontal (1, 1).
        QTest::newRow("selector 0: variant 1 edge open") << 0 << 0 << 12 << ExecutorState{1, 1, 0} << false;
        QTest::newRow("selector 0: variant 2 edge open") << 0 << 0 << 12 << ExecutorState{1, 1, 270} << false;
        QTest::newRow("selector 1: variant 1 edge blocks") << 1 << 0 << 12 << ExecutorState{1, 1, 0} << true;
        QTest::newRow("selector 1: variant 1 edge from the right")
            << 1 << 0 << 12 << ExecutorState{2, 1, 180} << true;
        QTest::newRow("selector 1: variant 2 edge open") << 1 << 0 << 12 << ExecutorState{1, 1, 270} << false;
        QTest::newRow("selector 2: variant 2 edge blocks")
            << 2 << 0 << 12 << ExecutorState{1, 1, 270} << true;
        QTest::newRow("selector 2: variant 2 edge from below")
            << 2 << 0 << 12 << ExecutorState{1, 2, 90} << true;
        QTest::newRow("selector 2: variant 1 edge open") << 2 << 0 << 12 << ExecutorState{1, 1, 0} << false;
        // Variable wall 2: variant 1 has an unknown letter.
        QTest::newRow("letter X never blocks") << 0 << 1 << 12 << ExecutorState{8, 8, 0} << false;
        QTest::newRow("wall 2 at variant 2") << 0 << 2 << 12 << ExecutorState{8, 8, 0} << true;
    }

    void wallAhead()
    {
        QFETCH(int, selector1);
        QFETCH(int, selector2);
        QFETCH(int, fieldSize);
        QFETCH(ExecutorState, executor);
        QFETCH(bool, expected);

        QCOMPARE(::wallAhead(world(selector1, selector2, executor, qint16(fieldSize))), expected);
    }

    void resetExecutorToStart_data()
    {
        QTest::addColumn<StartPosition>("start");
        QTest::addColumn<StartPosition>("storedStart");

        QTest::newRow("set start") << StartPosition{3, 4, 180} << StartPosition{3, 4, 180};
        QTest::newRow("start switched off") << StartPosition{-1, -1, -1} << StartPosition{0, 0, 0};
        QTest::newRow("only the heading unset") << StartPosition{7, 2, -1} << StartPosition{7, 2, 0};
    }

    void resetExecutorToStart()
    {
        QFETCH(StartPosition, start);
        QFETCH(StartPosition, storedStart);

        World w;
        w.executor = {9, 9, 90};
        w.start = start;
        ::resetExecutorToStart(w);
        QCOMPARE(w.start, storedStart);
        QCOMPARE(w.executor, (ExecutorState{storedStart.column, storedStart.row, storedStart.heading}));
    }
};

QTEST_APPLESS_MAIN(TestWorldModel)
#include "tst_worldmodel.moc"
