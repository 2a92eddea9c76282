// The task as the teacher edits it: walls on inner edges only, at most three variable walls,
// sizes added and removed, points and headings, and undo and redo of every edit.
#include "tasks/setup/taskeditmodel.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(WallVariant)

namespace {

WallVariant horizontal(int column, int row)
{
    return {QStringLiteral("H"), qint16(column), qint16(row)};
}

WallVariant vertical(int column, int row)
{
    return {QStringLiteral("V"), qint16(column), qint16(row)};
}

} // namespace

class TestTaskEditModel : public QObject
{
    Q_OBJECT

private slots:
    void newTask();
    void wallsOnInnerEdgesOnly_data();
    void wallsOnInnerEdgesOnly();
    void removingTakesEveryCopy();
    void variableWalls_data();
    void variableWalls();
    void sizes_data();
    void sizes();
    void startAndHeading_data();
    void startAndHeading();
    void pointBKeptWhileSwitchedOff();
    void everyEditUndoesAndRedoes_data();
    void everyEditUndoesAndRedoes();
    void dragIsOneStep();
    void typingIsOneStep();
    void typingInOneBoxIsOneStep_data();
    void typingInOneBoxIsOneStep();
    void modifiedFollowsTheSavedTask();
};

void TestTaskEditModel::newTask()
{
    TaskEditModel model;
    const TaskData task = model.task();
    QCOMPARE(model.sizes(), QList<int>{12});
    QVERIFY(!model.task().sizeMenuEnabled);
    QVERIFY(task.hasPointB);
    QCOMPARE(task.size(12).start, (StartPosition{0, 0, 0}));
    QCOMPARE(task.size(12).pointB, (CellPosition{11, 11}));
    QVERIFY(!model.canUndo());
    QVERIFY(!model.isModified());
}

void TestTaskEditModel::wallsOnInnerEdgesOnly_data()
{
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<bool>("isHorizontal");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("inner horizontal") << 12 << true << 3 << 4 << true;
    QTest::newRow("inner vertical") << 12 << false << 3 << 4 << true;
    QTest::newRow("horizontal above the last row") << 12 << true << 11 << 10 << true;
    QTest::newRow("horizontal on the lower border") << 12 << true << 3 << 11 << false;
    QTest::newRow("vertical on the right border") << 12 << false << 11 << 3 << false;
    QTest::newRow("vertical on the right border of 15") << 15 << false << 14 << 0 << false;
    QTest::newRow("vertical inside 15") << 15 << false << 13 << 14 << true;
    QTest::newRow("outside") << 12 << true << -1 << 0 << false;
    QTest::newRow("size not described") << 13 << true << 1 << 1 << false;
}

void TestTaskEditModel::wallsOnInnerEdgesOnly()
{
    QFETCH(int, fieldSize);
    QFETCH(bool, isHorizontal);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(bool, accepted);

    TaskEditModel model;
    if (fieldSize == 15)
        QVERIFY(model.addSize(15));
    const CellPosition cell{qint16(column), qint16(row)};
    QCOMPARE(model.setWall(fieldSize, isHorizontal, cell, true), accepted);
    QCOMPARE(model.hasWall(fieldSize, isHorizontal, cell), accepted);
    // The other orientation on the same cell is a different edge.
    QVERIFY(!model.hasWall(fieldSize, !isHorizontal, cell));
    if (accepted) {
        const WallSet walls = model.task().size(fieldSize).walls;
        QCOMPARE((isHorizontal ? walls.horizontal : walls.vertical), QList<CellPosition>{cell});
    }
}

void TestTaskEditModel::removingTakesEveryCopy()
{
    // A hand-written file may list an edge twice; one click takes the wall away.
    TaskData task = TaskEditModel::newTask();
    task.size(12).walls.vertical = {{2, 2}, {5, 5}, {2, 2}};
    TaskEditModel model;
    model.reset(task);
    QVERIFY(model.setWall(12, false, {2, 2}, false));
    QCOMPARE(model.task().size(12).walls.vertical, (QList<CellPosition>{{5, 5}}));
    QVERIFY(model.setWall(12, false, {2, 2}, true));
    QCOMPARE(model.task().size(12).walls.vertical, (QList<CellPosition>{{5, 5}, {2, 2}}));
}

void TestTaskEditModel::variableWalls_data()
{
    QTest::addColumn<int>("existing");
    QTest::addColumn<WallVariant>("first");
    QTest::addColumn<WallVariant>("second");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("first wall") << 0 << horizontal(3, 4) << vertical(5, 6) << true;
    QTest::newRow("third wall") << 2 << horizontal(3, 4) << horizontal(4, 4) << true;
    QTest::newRow("fourth wall") << 3 << horizontal(3, 4) << horizontal(4, 4) << false;
    QTest::newRow("both positions alike") << 0 << vertical(3, 4) << vertical(3, 4) << false;
    QTest::newRow("position on the border") << 0 << vertical(11, 4) << vertical(3, 4) << false;
    QTest::newRow("unknown orientation")
        << 0 << WallVariant{QStringLiteral("X"), 1, 1} << vertical(3, 4) << false;
}

void TestTaskEditModel::variableWalls()
{
    QFETCH(int, existing);
    QFETCH(WallVariant, first);
    QFETCH(WallVariant, second);
    QFETCH(bool, accepted);

    TaskEditModel model;
    for (int i = 0; i < existing; ++i)
        QVERIFY(model.addVariableWall(12, {vertical(i, 0), vertical(i, 1)}));
    QCOMPARE(model.addVariableWall(12, {first, second}), accepted);
    const QList<VariableWall> walls = model.task().size(12).walls.variable;
    QCOMPARE(walls.size(), existing + (accepted ? 1 : 0));
    if (accepted) {
        QCOMPARE(walls.last(), (VariableWall{first, second}));
        QCOMPARE(model.variableWallAt(12, second), existing);
        QVERIFY(model.removeVariableWall(12, existing));
        QCOMPARE(model.variableWallAt(12, second), -1);
    }
}

void TestTaskEditModel::sizes_data()
{
    QTest::addColumn<QList<int>>("added");
    QTest::addColumn<QList<int>>("removed");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<bool>("singleSize");

    QTest::newRow("new task") << QList<int>{} << QList<int>{} << QList<int>{12} << true;
    QTest::newRow("a second size makes a size menu")
        << QList<int>{14} << QList<int>{} << QList<int>{12, 14} << false;
    QTest::newRow("sizes kept in order")
        << QList<int>{15, 13} << QList<int>{} << QList<int>{12, 13, 15} << false;
    QTest::newRow("12 removed") << QList<int>{13} << QList<int>{12} << QList<int>{13} << false;
    QTest::newRow("the last size stays") << QList<int>{} << QList<int>{12} << QList<int>{12} << true;
    QTest::newRow("outside 12..15") << QList<int>{11, 16} << QList<int>{} << QList<int>{12} << true;
}

void TestTaskEditModel::sizes()
{
    QFETCH(QList<int>, added);
    QFETCH(QList<int>, removed);
    QFETCH(QList<int>, sizes);
    QFETCH(bool, singleSize);

    TaskEditModel model;
    for (int size : added)
        model.addSize(size);
    for (int size : removed)
        model.removeSize(size);
    QCOMPARE(model.sizes(), sizes);
    QCOMPARE(!model.task().sizeMenuEnabled, singleSize);
    const TaskData task = model.task();
    for (int size = 12; size <= 15; ++size) {
        QCOMPARE(task.offersSize(size), sizes.contains(size));
        // What the pupil's size menu offers follows the sizes described.
        QCOMPARE(task.sizeItemEnabled[size_t(size - 12)], singleSize || sizes.contains(size));
        if (!sizes.contains(size))
            QCOMPARE(task.size(size), TaskSizeData{});
    }
    // A task of 12 alone may go either way; with other sizes it needs the size menu.
    QCOMPARE(model.setSingleSize(true), sizes == QList<int>{12});
}

void TestTaskEditModel::startAndHeading_data()
{
    QTest::addColumn<int>("heading");
    QTest::addColumn<int>("turns");
    QTest::addColumn<int>("expected");

    QTest::newRow("one turn: up") << 0 << 1 << 90;
    QTest::newRow("from down to right") << 270 << 1 << 0;
    QTest::newRow("clockwise from right to down") << 0 << -1 << 270;
    QTest::newRow("full circle") << 180 << 4 << 180;
}

void TestTaskEditModel::startAndHeading()
{
    QFETCH(int, heading);
    QFETCH(int, turns);
    QFETCH(int, expected);

    TaskEditModel model;
    QVERIFY(model.setStart(12, {4, 7}));
    QVERIFY(model.setHeading(12, heading));
    QVERIFY(model.turnStart(12, turns));
    QCOMPARE(model.task().size(12).start, (StartPosition{4, 7, qint16(expected)}));
    QVERIFY(!model.setHeading(12, 45));
    QVERIFY(!model.setStart(12, {12, 0}));
    QVERIFY(!model.setPointB(12, {0, -1}));
}

void TestTaskEditModel::pointBKeptWhileSwitchedOff()
{
    TaskEditModel model;
    QVERIFY(model.setPointB(12, {6, 5}));
    model.setHasPointB(false);
    // Without Б the task holds what the loader would read: no Б fields, so (0, 0).
    QCOMPARE(model.task().size(12).pointB, (CellPosition{0, 0}));
    model.setHasPointB(true);
    QCOMPARE(model.task().size(12).pointB, (CellPosition{6, 5}));
}

void TestTaskEditModel::everyEditUndoesAndRedoes_data()
{
    QTest::addColumn<int>("edit");
    const char *names[] = {
        "wall",         "variable wall", "removed variable wall", "start",          "heading",
        "point B",      "statement",     "pattern flag",          "point B flag",   "reserved number",
        "header label", "size added",    "size removed",          "single size off"};
    for (int i = 0; i < int(std::size(names)); ++i)
        QTest::newRow(names[i]) << i;
}

void TestTaskEditModel::everyEditUndoesAndRedoes()
{
    QFETCH(int, edit);
    TaskEditModel model;
    TaskData start = TaskEditModel::newTask();
    start.size(12).walls.variable = {{horizontal(1, 1), horizontal(2, 2)}};
    start.describedSizes[1] = true;
    start.sizeMenuEnabled = true;
    model.reset(start);
    const TaskData before = model.task();
    QSignalSpy changed(&model, &TaskEditModel::changed);

    switch (edit) {
    case 0: QVERIFY(model.setWall(12, true, {1, 2}, true)); break;
    case 1: QVERIFY(model.addVariableWall(12, {vertical(1, 1), vertical(2, 1)})); break;
    case 2: QVERIFY(model.removeVariableWall(12, 0)); break;
    case 3: QVERIFY(model.setStart(13, {3, 3})); break;
    case 4: QVERIFY(model.turnStart(12, 1)); break;
    case 5: QVERIFY(model.setPointB(12, {2, 2})); break;
    case 6: model.setStatement({QStringLiteral("Новое условие")}); break;
    case 7: model.setHasPattern(true); break;
    case 8: model.setHasPointB(false); break;
    case 9: QVERIFY(model.setReservedNumber(1)); break;
    case 10: model.setHeaderLabel(QStringLiteral("9")); break;
    case 11: QVERIFY(model.addSize(15)); break;
    case 12: QVERIFY(model.removeSize(13)); break;
    case 13: QVERIFY(model.removeSize(13) && model.setSingleSize(true)); break;
    }
    const TaskData after = model.task();
    QVERIFY(after != before);
    QVERIFY(changed.count() > 0);

    while (model.canUndo())
        model.undo();
    QCOMPARE(model.task(), before);
    QVERIFY(model.canRedo());
    while (model.canRedo())
        model.redo();
    QCOMPARE(model.task(), after);
}

void TestTaskEditModel::dragIsOneStep()
{
    TaskEditModel model;
    QVERIFY(model.setWall(12, false, {0, 0}, true));
    model.beginGroup();
    for (qint16 row = 1; row < 6; ++row)
        QVERIFY(model.setWall(12, false, {0, row}, true));
    model.endGroup();
    QCOMPARE(model.task().size(12).walls.vertical.size(), 6);
    model.undo();
    QCOMPARE(model.task().size(12).walls.vertical, (QList<CellPosition>{{0, 0}}));
    model.undo();
    QVERIFY(model.task().size(12).walls.vertical.isEmpty());
    QVERIFY(!model.canUndo());
}

void TestTaskEditModel::typingIsOneStep()
{
    TaskEditModel model;
    model.setStatement({QStringLiteral("Н")});
    model.setStatement({QStringLiteral("На")});
    model.setStatement({QStringLiteral("Над"), QString()});
    QCOMPARE(model.task().statement, (QStringList{QStringLiteral("Над"), QStringLiteral(" ")}));
    QVERIFY(model.setWall(12, true, {0, 0}, true));
    model.setStatement({QStringLiteral("Надо")});
    model.undo();
    QCOMPARE(model.task().statement, (QStringList{QStringLiteral("Над"), QStringLiteral(" ")}));
    model.undo();
    model.undo();
    QVERIFY(model.task().statement.isEmpty());
}

void TestTaskEditModel::typingInOneBoxIsOneStep_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("typed"); // what the box holds after each key

    QTest::newRow("statement") << "statement" << QStringList{"Н", "На", "Над"};
    QTest::newRow("header label") << "label" << QStringList{"0", "04", "042"};
    QTest::newRow("reserved number") << "number" << QStringList{"9", "99", "999"};
    QTest::newRow("a negative reserved number") << "number" << QStringList{"-9", "-99", "-999"};
}

// A teacher who typed a word or a number into one box takes it back with one undo.
void TestTaskEditModel::typingInOneBoxIsOneStep()
{
    QFETCH(QString, box);
    QFETCH(QStringList, typed);
    TaskEditModel model;
    const auto type = [&model, box](const QString &text) {
        if (box == QLatin1String("statement"))
            model.setStatement({text});
        else if (box == QLatin1String("label"))
            model.setHeaderLabel(text);
        else
            QVERIFY(model.setReservedNumber(text.toInt()));
    };
    const TaskData before = model.task();
    for (const QString &text : std::as_const(typed))
        type(text);
    const TaskData typedTask = model.task();
    QVERIFY(typedTask != before);

    // Another edit ends the run: typing after it is a step of its own.
    QVERIFY(model.setWall(12, true, {0, 0}, true));
    const TaskData walled = model.task();
    type(typed.first());
    type(typed.at(1));
    model.undo();
    QCOMPARE(model.task(), walled);
    model.undo();
    QCOMPARE(model.task(), typedTask);
    model.undo();
    QCOMPARE(model.task(), before);
    QVERIFY(!model.canUndo());
}

void TestTaskEditModel::modifiedFollowsTheSavedTask()
{
    TaskEditModel model;
    QVERIFY(model.setWall(12, true, {0, 0}, true));
    QVERIFY(model.isModified());
    model.undo();
    QVERIFY(!model.isModified());
    model.redo();
    model.markSaved();
    QVERIFY(!model.isModified());
    model.undo();
    QVERIFY(model.isModified());
}

QTEST_GUILESS_MAIN(TestTaskEditModel)
#include "tst_taskeditmodel.moc"
