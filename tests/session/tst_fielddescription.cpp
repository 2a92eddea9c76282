// The field in words: the executor's cell and heading, the walls around it, points А and Б.
#include "session/fielddescription.h"
#include "world/model/world.h"

#include <QTest>

class TestFieldDescription : public QObject
{
    Q_OBJECT

private slots:
    void describes_data()
    {
        QTest::addColumn<ExecutorState>("executor");
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("corner: two borders, a fixed wall below")
            << ExecutorState{0, 0, 0} << false
            << "Шагайка в клетке X=0, Y=0, смотрит вправо. Вокруг клетки: сверху край поля, снизу стена, "
               "слева край поля.";
        QTest::newRow("movable wall to the left, fixed to the right")
            << ExecutorState{4, 3, 90} << false
            << "Шагайка в клетке X=4, Y=3, смотрит вверх. Вокруг клетки: справа стена, слева подвижная "
               "стена.";
        QTest::newRow("open cell") << ExecutorState{6, 6, 270} << false
                                   << "Шагайка в клетке X=6, Y=6, смотрит вниз. Вокруг клетки стен нет.";
        QTest::newRow("crash names the cell")
            << ExecutorState{11, 5, 180} << true
            << "Авария: стена впереди, Шагайка в клетке X=11, Y=5. Шагайка в клетке X=11, Y=5, смотрит "
               "влево. Вокруг клетки: справа край поля.";
    }
    void describes()
    {
        QFETCH(ExecutorState, executor);
        QFETCH(bool, crashed);
        QFETCH(QString, expected);
        World world{executor, {}, {11, 11}, {}, 12};
        world.walls.walls.horizontal = {{0, 0}};
        world.walls.walls.vertical = {{4, 3}};
        // The variant in force stands left of (4, 3); the other one is not there now.
        world.walls.walls.variable = {VariableWall{{"V", 3, 3}, {"H", 6, 6}}};
        world.walls.selectors = {1, 0, 0};
        QCOMPARE(crashed ? crashDescription(world) : fieldDescription(world),
                 expected + QStringLiteral(" Точка А: X=0, Y=0. Точка Б: X=11, Y=11."));
    }
};

QTEST_APPLESS_MAIN(TestFieldDescription)
#include "tst_fielddescription.moc"
