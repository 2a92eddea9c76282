#include "editor/algorithmstatistics.h"
#include "editor/algorithmtext.h"
#include "tasks/setup/tasksetup.h"

#include "world/recordingcanvas.h"

#include <QtTest>

namespace {

VariableWall variableWall(qint16 column)
{
    return {{QStringLiteral("H"), column, 1}, {QStringLiteral("V"), column, 2}};
}

QList<VariableWall> variableWalls(int count)
{
    QList<VariableWall> walls;
    for (int i = 0; i < count; ++i)
        walls.append(variableWall(qint16(i + 1)));
    return walls;
}

// Size 12: a start facing up, point Б, one fixed wall of each kind, `walls12` variable walls;
// size 13: another start and two variable walls; 14 and 15 as the file left them.
TaskData sampleTask(bool hasPointB, int walls12 = 1)
{
    TaskData task;
    task.hasPointB = hasPointB;
    task.size(12) = {{1, 2, 90}, {3, 4}, {{{5, 6}}, {{7, 8}}, variableWalls(walls12)}};
    task.size(13) = {{9, 10, 180}, {11, 12}, {{}, {}, variableWalls(2)}};
    return task;
}

} // namespace

class TestTaskSetup : public QObject
{
    Q_OBJECT

private slots:
    void showVariableWallsDrawsEach_data();
    void showVariableWallsDrawsEach();
    void taskFieldAtTwelve_data();
    void taskFieldAtTwelve();
    void sizeChange_data();
    void sizeChange();
    void sizeOutsideTheMenu();
    void newAlgorithm_data();
    void newAlgorithm();
};

void TestTaskSetup::showVariableWallsDrawsEach_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QList<int>>("selectors");

    QTest::newRow("none") << 0 << QStringList{} << QList<int>{0, 0, 0};
    QTest::newRow("one") << 1 << QStringList{"absent 0 2", "present 0 1"} << QList<int>{1, 0, 0};
    QTest::newRow("three") << 3 << QStringList{"absent 0 2",  "present 0 1", "absent 1 2",
                                               "present 1 1", "absent 2 2",  "present 2 1"}
                           << QList<int>{1, 1, 1};
    // Only three selector slots exist: a fourth wall is never shown.
    QTest::newRow("four") << 4 << QStringList{"absent 0 2",  "present 0 1", "absent 1 2",
                                              "present 1 1", "absent 2 2",  "present 2 1"}
                          << QList<int>{1, 1, 1};
}

void TestTaskSetup::showVariableWallsDrawsEach()
{
    QFETCH(int, count);
    QFETCH(QStringList, calls);
    QFETCH(QList<int>, selectors);

    WallModel walls;
    walls.walls.variable = variableWalls(count);
    walls.selectors = {2, 2, 2};
    RecordingCanvas canvas;
    showVariableWalls(walls, &canvas);
    QCOMPARE(canvas.calls, calls);
    QCOMPARE(QList<int>(walls.selectors.begin(), walls.selectors.end()), selectors);

    // Without a canvas the selectors come out the same.
    WallModel bare;
    bare.walls.variable = variableWalls(count);
    bare.selectors = {2, 2, 2};
    showVariableWalls(bare, nullptr);
    QCOMPARE(bare.selectors, walls.selectors);
}

void TestTaskSetup::taskFieldAtTwelve_data()
{
    QTest::addColumn<bool>("hasPointB");
    QTest::addColumn<int>("startSize");

    QTest::newRow("point B, from size 15") << true << 15;
    QTest::newRow("no point B, from size 13") << false << 13;
}

void TestTaskSetup::taskFieldAtTwelve()
{
    QFETCH(bool, hasPointB);
    QFETCH(int, startSize);

    World world;
    world.fieldSize = qint16(startSize);
    world.executor = {6, 6, 180};
    world.walls.selectors = {2, 2, 2};
    RecordingCanvas canvas;
    setUpTaskField(sampleTask(hasPointB), world, &canvas);

    QCOMPARE(world.fieldSize, qint16(12));
    QCOMPARE(world.start, (StartPosition{1, 2, 90}));
    QCOMPARE(world.executor, (ExecutorState{1, 2, 90}));
    const CellPosition pointB = hasPointB ? CellPosition{3, 4} : CellPosition{-1, -1};
    QCOMPARE(world.pointB, pointB);
    QCOMPARE(world.walls.walls, sampleTask(hasPointB).size(12).walls);
    QCOMPARE(world.walls.selectors, (std::array<int, 3>{1, 0, 0}));
    QCOMPARE(canvas.calls, (QStringList{"empty field", "task objects", "absent 0 2", "present 0 1"}));
}

void TestTaskSetup::sizeChange_data()
{
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<StartPosition>("start");
    QTest::addColumn<int>("variableWalls");
    QTest::addColumn<QList<int>>("selectors");

    // The selectors of walls the size has keep their values; the rest become 0.
    QTest::newRow("13: two walls") << 13 << StartPosition{9, 10, 180} << 2 << QList<int>{2, 1, 0};
    QTest::newRow("14: none") << 14 << StartPosition{0, 0, 0} << 0 << QList<int>{0, 0, 0};
}

void TestTaskSetup::sizeChange()
{
    QFETCH(int, fieldSize);
    QFETCH(StartPosition, start);
    QFETCH(int, variableWalls);
    QFETCH(QList<int>, selectors);

    const TaskData task = sampleTask(true, 3);
    World world;
    setUpTaskField(task, world, nullptr);
    world.walls.selectors = {2, 1, 2};
    world.executor = {5, 5, 270};
    RecordingCanvas canvas;
    changeFieldSize(task, world, fieldSize, &canvas);

    QCOMPARE(world.fieldSize, qint16(fieldSize));
    QCOMPARE(world.start, start);
    QCOMPARE(world.executor, (ExecutorState{start.column, start.row, start.heading}));
    QCOMPARE(world.walls.variableWallCount(), variableWalls);
    QCOMPARE(QList<int>(world.walls.selectors.begin(), world.walls.selectors.end()), selectors);
    // The variable walls wait for their next swap to be drawn.
    QCOMPARE(canvas.calls, (QStringList{"empty field", "task objects"}));
}

void TestTaskSetup::sizeOutsideTheMenu()
{
    const TaskData task = sampleTask(true);
    World world;
    setUpTaskField(task, world, nullptr);
    const World before = world;
    RecordingCanvas canvas;
    for (int size : {11, 16, 0}) {
        changeFieldSize(task, world, size, &canvas);
        QCOMPARE(world.fieldSize, before.fieldSize);
        QCOMPARE(world.start, before.start);
        QCOMPARE(world.walls.walls, before.walls.walls);
    }
    QVERIFY(canvas.calls.isEmpty());
}

void TestTaskSetup::newAlgorithm_data()
{
    QTest::addColumn<bool>("hasPointB");
    QTest::addColumn<QString>("goal");

    QTest::newRow("point B") << true << "    Надо: Исполнитель в т.Б";
    QTest::newRow("pattern") << false << "    Надо: Воспроизвести образец";
}

void TestTaskSetup::newAlgorithm()
{
    QFETCH(bool, hasPointB);
    QFETCH(QString, goal);

    AlgorithmText text;
    text.setLines({"ШАГ", "ПРОЦЕДУРА а", "КОНЕЦ ПРОЦЕДУРЫ"});
    QStringList procedureNames{"а"};
    const QStringList rows = startAlgorithm(text, procedureNames, hasPointB);

    QCOMPARE(text.count(), 5);
    QCOMPARE(text.line(2), goal);
    QCOMPARE(text.line(text.currentRow()), QStringLiteral("КОН"));
    QVERIFY(procedureNames.isEmpty());
    QCOMPARE(rows, resetStatistics());
}

QTEST_APPLESS_MAIN(TestTaskSetup)
#include "tst_tasksetup.moc"
