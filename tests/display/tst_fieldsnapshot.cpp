// Draws a whole field with walls, points and a walk of the executor and writes it as a PNG
// next to the test binary, so the look of the field can be checked by eye.
#include "display/executorpictures.h"
#include "display/fieldcolours.h"
#include "display/fieldscene.h"
#include "world/model/world.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

namespace {

World sampleWorld()
{
    World world;
    world.start = {1, 1, 0};
    world.pointB = {8, 9};
    world.walls.walls.horizontal = {{0, 4}, {1, 4}, {2, 4}, {6, 6}, {7, 6}, {9, 2}};
    world.walls.walls.vertical = {{5, 0}, {5, 1}, {5, 2}, {2, 7}, {2, 8}, {11, 5}};
    world.walls.walls.variable = {
        {{QStringLiteral("V"), 3, 1}, {QStringLiteral("H"), 3, 1}},
        {{QStringLiteral("H"), 8, 8}, {QStringLiteral("V"), 8, 8}},
    };
    return world;
}

void step(FieldScene &scene, World &world, bool withTrace)
{
    const CellPosition from{world.executor.column, world.executor.row};
    const CellPosition to = cellAhead(world.executor);
    scene.restoreUnderExecutor(from.column, from.row);
    if (withTrace)
        scene.drawTrace(from, to);
    world.executor.column = to.column;
    world.executor.row = to.row;
    scene.saveUnderExecutor(to.column, to.row);
    scene.drawExecutor(world.executor, world.executor.heading);
}

void turn(FieldScene &scene, World &world)
{
    world.executor.heading = qint16((world.executor.heading + 90) % 360);
    scene.restoreUnderExecutor(world.executor.column, world.executor.row);
    scene.drawExecutor(world.executor, world.executor.heading);
}

QString outputPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(name);
}

bool containsColour(const QImage &image, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == colour)
                return true;
        }
    }
    return false;
}

} // namespace

class TestFieldSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void writesField_data();
    void writesField();
    void writesExecutorPictures();
};

void TestFieldSnapshot::writesField_data()
{
    QTest::addColumn<int>("layoutUnit");
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("m=10, 12 cells") << 10 << 12 << QStringLiteral("field-m10-n12.png");
    QTest::newRow("m=12, 15 cells") << 12 << 15 << QStringLiteral("field-m12-n15.png");
    QTest::newRow("m=19, 12 cells") << 19 << 12 << QStringLiteral("field-m19-n12.png");
}

void TestFieldSnapshot::writesField()
{
    QFETCH(int, layoutUnit);
    QFETCH(int, fieldSize);
    QFETCH(QString, fileName);

    FieldScene scene(FieldGeometry::compute(layoutUnit, fieldSize));
    World world = sampleWorld();
    world.fieldSize = qint16(fieldSize);
    scene.drawEmptyField();
    scene.drawTaskObjects(world);
    for (int i = 0; i < world.walls.variableWallCount(); ++i) {
        scene.drawVariableWallAbsent(world.walls, i, 2);
        scene.drawVariableWallPresent(world.walls, i, 1);
    }
    step(scene, world, true);
    turn(scene, world);
    turn(scene, world);
    turn(scene, world);
    step(scene, world, true);
    step(scene, world, true);
    turn(scene, world);
    step(scene, world, false);
    step(scene, world, true);
    step(scene, world, true);

    const QString path = outputPath(fileName);
    QVERIFY(scene.picture().save(path));
    QImage reloaded(path);
    QCOMPARE(reloaded.convertToFormat(QImage::Format_RGB32), scene.picture());

    // The executor ends on (5, 3) facing right, a red pointer in its square; the trace runs
    // through the cells it stepped over but not over the jump from (2, 3) to (3, 3).
    QCOMPARE(world.executor, (ExecutorState{5, 3, 0}));
    const FieldGeometry &g = scene.geometry();
    QVERIFY(containsColour(scene.picture(), g.executorSquare(5, 3), FieldColours::pointerFill));
    QCOMPARE(scene.picture().pixelColor(g.cellCentre(2, 2) + QPoint(1, 1)), QColor(FieldColours::trace));
    QCOMPARE(scene.picture().pixelColor(g.cellCentre(3, 3) + QPoint(1 - g.halfCell, 1)),
             QColor(FieldColours::face));
}

void TestFieldSnapshot::writesExecutorPictures()
{
    // All 16 pictures side by side, magnified eight times on face.
    const ExecutorPictures pictures;
    constexpr int zoom = 8;
    constexpr int cell = (ExecutorPictures::pictureSize + 2) * zoom;
    QImage sheet(cell * 8, cell * 2, QImage::Format_RGB32);
    sheet.fill(FieldColours::face);
    {
        QPainter painter(&sheet);
        for (int i = 0; i < ExecutorPictures::pictureCount; ++i) {
            const QPoint corner((i / 2) * cell + zoom, (i % 2) * cell + zoom);
            painter.drawImage(QRect(corner, QSize(16 * zoom, 16 * zoom)), pictures.picture(i));
        }
    }
    const QString path = outputPath(QStringLiteral("executor-pictures.png"));
    QVERIFY(sheet.save(path));
    QVERIFY(QFileInfo::exists(path));
}

QTEST_MAIN(TestFieldSnapshot)
#include "tst_fieldsnapshot.moc"
