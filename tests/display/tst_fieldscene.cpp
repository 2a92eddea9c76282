#include "display/executorpictures.h"
#include "display/fieldcolours.h"
#include "display/fieldscene.h"
#include "world/model/wallmodel.h"
#include "world/model/world.h"

#include <QPainter>
#include <QTest>

#include <functional>

namespace {

const QRgb face = FieldColours::face;
const QRgb desktop = FieldColours::desktop;
const QRgb white = qRgb(255, 255, 255);
const QRgb black = qRgb(0, 0, 0);
const QRgb grey = qRgb(128, 128, 128);

// The standard field: m = 10, 12 cells, a 500 × 500 picture.
FieldGeometry standard()
{
    return FieldGeometry::compute(10, 12);
}

QRect boundsOf(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &match)
{
    QRect bounds;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (match(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int countOf(const QImage &image, const QRect &area, QRgb colour)
{
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}

// What the scene would put back under the executor on (column, row), seen on a copy of it.
QImage restoredSquare(FieldScene scene, int column, int row)
{
    scene.restoreUnderExecutor(column, row);
    return scene.picture().copy(scene.geometry().executorSquare(column, row));
}

// Whether point letters drawn by a copy of the scene from now on differ from those of a
// fresh scene: they take the variable-wall label font once a label has been drawn.
bool lettersUseLabelFont(FieldScene scene)
{
    FieldScene fresh(scene.geometry());
    for (FieldScene *s : {&scene, &fresh}) {
        s->clearPicture();
        s->drawPointMark(2, 3, QChar(0x0410));
    }
    return scene.picture() != fresh.picture();
}

// Where two pictures of the same size differ.
QRect differenceBounds(const QImage &a, const QImage &b)
{
    QRect bounds;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

WallModel oneVariableWall(const WallVariant &variant1, const WallVariant &variant2)
{
    WallModel walls;
    walls.walls.variable = {{variant1, variant2}};
    return walls;
}

WallVariant wall(const char *orientation, qint16 column, qint16 row)
{
    return {QString::fromLatin1(orientation), column, row};
}

// Moves the executor one cell forward as a step (with trace) or a jump (without).
void move(FieldScene &scene, ExecutorState &executor, bool trace)
{
    const CellPosition from{executor.column, executor.row};
    const CellPosition to = cellAhead(executor);
    scene.restoreUnderExecutor(from.column, from.row);
    if (trace)
        scene.drawTrace(from, to);
    executor.column = to.column;
    executor.row = to.row;
    scene.saveUnderExecutor(to.column, to.row);
    scene.drawExecutor(executor, executor.heading);
}

} // namespace

class TestFieldScene : public QObject
{
    Q_OBJECT

private slots:
    void pictureSizes_data();
    void pictureSizes();
    void newGeometryDrawsThePictureAnew_data();
    void newGeometryDrawsThePictureAnew();
    void clearPictureFillsWithFace();
    void frameBars_data();
    void frameBars();
    void gridLines_data();
    void gridLines();
    void gridLineLeavesOutItsEndPixel();
    void wallBars_data();
    void wallBars();
    void wallOnTheRightBorderCoversTheFrame();
    void pointMarkDot_data();
    void pointMarkDot();
    void pointMarkLetterBesideTheDot();
    void taskObjectsPutExecutorOnStart_data();
    void taskObjectsPutExecutorOnStart();
    void pointBOnlyWhenSet_data();
    void pointBOnlyWhenSet();
    void executorPlacement_data();
    void executorPlacement();
    void executorPictureBounds_data();
    void executorPictureBounds();
    void crashPictureBesideSolid_data();
    void crashPictureBesideSolid();
    void smallSquareStillDrawsPicture();
    void trace_data();
    void trace();
    void restoreBringsBackSavedPixels();
    void traceSurvivesExecutorPassing();
    void markAReappearsWhenExecutorLeaves();
    void variableWallPresent_data();
    void variableWallPresent();
    void variableWallPresentThenAbsent_data();
    void variableWallPresentThenAbsent();
    void variableWallOtherVariantDrawsNothing_data();
    void variableWallOtherVariantDrawsNothing();
    void labelFontChangesPointLetters();
    void variableWallsAtFirstVariant_data();
    void variableWallsAtFirstVariant();
};

void TestFieldScene::pictureSizes_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("sprite");

    QTest::newRow("m=10 N=12") << 10 << 12 << 500 << 28;
    QTest::newRow("m=10 N=13 shrinks to 488") << 10 << 13 << 488 << 24;
    QTest::newRow("m=12 N=15") << 12 << 15 << 594 << 24;
}

void TestFieldScene::pictureSizes()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, width);
    QFETCH(int, sprite);

    FieldScene scene;
    scene.setGeometry(FieldGeometry::compute(m, n));
    QCOMPARE(scene.picture().size(), QSize(width, width));
    // The saved square is the sprite's size and plain face until something is saved.
    QCOMPARE(scene.geometry().executorSquare(0, 0).size(), QSize(sprite, sprite));
    const QImage saved = restoredSquare(scene, 0, 0);
    QCOMPARE(countOf(saved, saved.rect(), face), sprite * sprite);
    // The frame is drawn to the last pixel of the new picture.
    QCOMPARE(scene.picture().pixel(width / 2 + 3, width - 1), black);
    QCOMPARE(scene.picture().pixel(width - 1, width / 2 + 3), black);
}

void TestFieldScene::newGeometryDrawsThePictureAnew_data()
{
    QTest::addColumn<int>("fromSize");
    QTest::addColumn<int>("toSize");

    QTest::newRow("the same size again") << 12 << 12;
    QTest::newRow("12 to 15") << 12 << 15;
    QTest::newRow("15 to 12") << 15 << 12;
    QTest::newRow("13 to 14") << 13 << 14;
}

void TestFieldScene::newGeometryDrawsThePictureAnew()
{
    QFETCH(int, fromSize);
    QFETCH(int, toSize);

    FieldScene scene(FieldGeometry::compute(12, fromSize));
    ExecutorState executor{2, 3, 0};
    scene.saveUnderExecutor(2, 3);
    scene.drawExecutor(executor, 0);
    move(scene, executor, true);
    scene.drawPointMark(6, 6, QChar(0x0410));
    const int oldWidth = scene.picture().width();
    const uchar *const pixels = scene.picture().constBits();

    const FieldGeometry geometry = FieldGeometry::compute(12, toSize);
    scene.setGeometry(geometry);
    // Nothing of the old drawing is left, and the saved square is plain face again.
    QCOMPARE(scene.picture(), FieldScene(geometry).picture());
    const QImage saved = restoredSquare(scene, 0, 0);
    QCOMPARE(countOf(saved, saved.rect(), face), saved.width() * saved.height());
    // A picture of the same size is drawn in its old place.
    if (geometry.pictureWidth() == oldWidth)
        QCOMPARE(scene.picture().constBits(), pixels);
}

void TestFieldScene::clearPictureFillsWithFace()
{
    FieldScene scene(standard());
    scene.drawTrace({1, 1}, {5, 1});
    scene.clearPicture();
    QCOMPARE(countOf(scene.picture(), scene.picture().rect(), face), 500 * 500);
}

void TestFieldScene::frameBars_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");

    // Lit from the upper left: outer edges of the left and top bars and inner edges of the
    // right and bottom bars are white, the others black. The right and bottom bars start at 489.
    QTest::newRow("left bar, outer edge") << QPoint(0, 260) << white;
    QTest::newRow("left bar, inner edge") << QPoint(10, 260) << black;
    QTest::newRow("left bar, body") << QPoint(5, 260) << FieldColours::bar;
    QTest::newRow("top bar, outer edge") << QPoint(260, 0) << white;
    QTest::newRow("top bar, inner edge") << QPoint(260, 10) << black;
    QTest::newRow("right bar, inner edge") << QPoint(489, 260) << white;
    QTest::newRow("before the right bar") << QPoint(488, 260) << face;
    QTest::newRow("right bar, body") << QPoint(494, 260) << FieldColours::bar;
    QTest::newRow("right bar, outer edge") << QPoint(499, 260) << black;
    QTest::newRow("bottom bar, inner edge") << QPoint(260, 489) << white;
    QTest::newRow("above the bottom bar") << QPoint(260, 488) << face;
    QTest::newRow("bottom bar, outer edge") << QPoint(260, 499) << black;
    QTest::newRow("corner beside the mitre") << QPoint(0, 0) << face;
    QTest::newRow("inside the first cell") << QPoint(11, 11) << face;
}

void TestFieldScene::frameBars()
{
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);

    FieldScene scene(standard());
    QCOMPARE(scene.picture().pixel(pixel), colour);
}

void TestFieldScene::gridLines_data()
{
    QTest::addColumn<int>("line");
    for (int i = 1; i <= 11; ++i)
        QTest::newRow(qPrintable(QStringLiteral("line %1").arg(i))) << 10 + 40 * i;
}

void TestFieldScene::gridLines()
{
    QFETCH(int, line);

    FieldScene scene(standard());
    const QImage &p = scene.picture();
    // Probe in the middle of a cell (x or y = 30) so the crossing line does not interfere.
    QCOMPARE(p.pixel(30, line), desktop);
    QCOMPARE(p.pixel(30, line - 1), face);
    QCOMPARE(p.pixel(30, line + 1), face);
    QCOMPARE(p.pixel(line, 30), desktop);
    QCOMPARE(p.pixel(line - 1, 30), face);
    QCOMPARE(p.pixel(line + 1, 30), face);
    // Each line runs from the grid's first pixel 10 to 489.
    QCOMPARE(p.pixel(10, line), desktop);
    QCOMPARE(p.pixel(489, line), desktop);
    QCOMPARE(p.pixel(line, 489), desktop);
}

void TestFieldScene::gridLineLeavesOutItsEndPixel()
{
    FieldScene scene(standard());
    QCOMPARE(scene.picture().pixel(490, 50), FieldColours::bar);
    QCOMPARE(scene.picture().pixel(50, 490), FieldColours::bar);
    // No line on the outer edges of the grid.
    QCOMPARE(countOf(scene.picture(), QRect(0, 0, 500, 10), desktop), 0);
    QCOMPARE(countOf(scene.picture(), QRect(0, 0, 10, 500), desktop), 0);
}

void TestFieldScene::wallBars_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");

    // Vertical wall (2, 3): the edge line x = 130 from y = 130 to 170.
    QTest::newRow("vertical, lit side") << true << QPoint(125, 150) << white;
    QTest::newRow("vertical, shaded side") << true << QPoint(135, 150) << black;
    QTest::newRow("vertical, body over the grid line") << true << QPoint(130, 150) << FieldColours::bar;
    QTest::newRow("vertical, upper point") << true << QPoint(130, 130) << white;
    QTest::newRow("vertical, lower point") << true << QPoint(130, 170) << black;
    QTest::newRow("vertical, upper slope lit") << true << QPoint(127, 133) << white;
    QTest::newRow("vertical, upper slope shaded") << true << QPoint(133, 133) << black;
    QTest::newRow("vertical, outside") << true << QPoint(124, 150) << face;
    QTest::newRow("vertical, grid beyond its end") << true << QPoint(130, 171) << desktop;
    // Horizontal wall (2, 3): the edge line y = 170 from x = 90 to 130.
    QTest::newRow("horizontal, lit side") << false << QPoint(110, 165) << white;
    QTest::newRow("horizontal, shaded side") << false << QPoint(110, 175) << black;
    QTest::newRow("horizontal, body over the grid line") << false << QPoint(110, 170) << FieldColours::bar;
    QTest::newRow("horizontal, left point") << false << QPoint(90, 170) << black;
    QTest::newRow("horizontal, right point") << false << QPoint(130, 170) << white;
    QTest::newRow("horizontal, outside") << false << QPoint(110, 176) << face;
}

void TestFieldScene::wallBars()
{
    QFETCH(bool, vertical);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);

    FieldScene scene(standard());
    if (vertical)
        scene.drawFixedVerticalWall({2, 3});
    else
        scene.drawFixedHorizontalWall({2, 3});
    QCOMPARE(scene.picture().pixel(pixel), colour);
}

void TestFieldScene::wallOnTheRightBorderCoversTheFrame()
{
    FieldScene scene(standard());
    scene.drawFixedVerticalWall({11, 4});
    // Its edge line is x = 490: lit side 485, shaded side 495, over the frame's body.
    QCOMPARE(scene.picture().pixel(485, 190), white);
    QCOMPARE(scene.picture().pixel(495, 190), black);
    QCOMPARE(scene.picture().pixel(489, 190), FieldColours::bar);
}

void TestFieldScene::pointMarkDot_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("isBlack");

    // Cell (2, 3) has its centre at (110, 150); the dot covers 107 … 114 both ways.
    QTest::newRow("centre") << QPoint(110, 150) << true;
    QTest::newRow("left end") << QPoint(107, 151) << true;
    QTest::newRow("right end") << QPoint(114, 151) << true;
    QTest::newRow("top end") << QPoint(111, 147) << true;
    QTest::newRow("bottom end") << QPoint(111, 154) << true;
    QTest::newRow("right of it") << QPoint(115, 151) << false;
    QTest::newRow("below it") << QPoint(111, 155) << false;
    QTest::newRow("above it") << QPoint(111, 146) << false;
    QTest::newRow("rounded corner") << QPoint(114, 154) << false;
}

void TestFieldScene::pointMarkDot()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, isBlack);

    FieldScene scene(standard());
    scene.drawPointMark(2, 3, QChar(0x0411));
    QCOMPARE(scene.picture().pixel(pixel) == black, isBlack);
    QCOMPARE(boundsOf(scene.picture(), QRect(107, 150, 20, 20), [](QRgb c) { return c == black; }),
             QRect(107, 150, 8, 5));
}

void TestFieldScene::pointMarkLetterBesideTheDot()
{
    FieldScene scene(standard());
    scene.drawPointMark(2, 3, QChar(0x0410));
    // The letter's text cell starts at (100, 137), above and left of the dot.
    const QRect letter = boundsOf(scene.picture(), QRect(90, 120, 40, 27), [](QRgb c) { return c == black; });
    QVERIFY(!letter.isEmpty());
    QVERIFY(letter.left() >= 100);
    QVERIFY(letter.top() >= 137);
    QVERIFY(letter.bottom() <= 149);
    QVERIFY(letter.right() < 110);
}

void TestFieldScene::taskObjectsPutExecutorOnStart_data()
{
    QTest::addColumn<StartPosition>("start");
    QTest::addColumn<ExecutorState>("executor");

    QTest::newRow("start switched off") << StartPosition{-1, -1, -1} << ExecutorState{0, 0, 0};
    QTest::newRow("start (4, 7) facing up") << StartPosition{4, 7, 90} << ExecutorState{4, 7, 90};
}

void TestFieldScene::taskObjectsPutExecutorOnStart()
{
    QFETCH(StartPosition, start);
    QFETCH(ExecutorState, executor);

    FieldScene scene(standard());
    World world;
    world.start = start;
    world.executor = {9, 9, 180};
    scene.drawTaskObjects(world);
    QCOMPARE(world.executor, executor);
    QCOMPARE(world.start, (StartPosition{executor.column, executor.row, executor.heading}));
    const QRect square = scene.geometry().executorSquare(executor.column, executor.row);
    QVERIFY(countOf(scene.picture(), square, qRgb(255, 0, 0)) > 20);
    // The saved square holds the start cell with mark А but without the executor.
    const QImage saved = restoredSquare(scene, executor.column, executor.row);
    QCOMPARE(countOf(saved, saved.rect(), qRgb(255, 0, 0)), 0);
    QVERIFY(countOf(saved, saved.rect(), black) > 30);
}

void TestFieldScene::pointBOnlyWhenSet_data()
{
    QTest::addColumn<CellPosition>("pointB");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("no point Б") << CellPosition{-1, -1} << false;
    QTest::newRow("point Б at (7, 8)") << CellPosition{7, 8} << true;
}

void TestFieldScene::pointBOnlyWhenSet()
{
    QFETCH(CellPosition, pointB);
    QFETCH(bool, drawn);

    FieldScene scene(standard());
    const QImage empty = scene.picture();
    World world;
    world.start = {5, 5, 0};
    world.pointB = pointB;
    scene.drawTaskObjects(world);
    // Apart from the start cell, only a mark Б may change the field.
    const QRect startCell(10 + 5 * 40, 10 + 5 * 40, 40, 40);
    const QRect changed = differenceBounds(empty, scene.picture());
    QCOMPARE(startCell.contains(changed), !drawn);
    if (drawn)
        QCOMPARE(scene.picture().pixel(scene.geometry().cellCentre(7, 8)), black);
}

void TestFieldScene::executorPlacement_data()
{
    QTest::addColumn<int>("heading");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QPoint>("corner");

    // Cell (0, 0): the square's corner is (16, 16); q = 12, q2 = 6.
    QTest::newRow("0") << 0 << 0 << QPoint(28, 24);
    QTest::newRow("45") << 45 << 2 << QPoint(28, 16);
    QTest::newRow("90") << 90 << 4 << QPoint(24, 16);
    QTest::newRow("135") << 135 << 6 << QPoint(16, 16);
    QTest::newRow("180") << 180 << 8 << QPoint(16, 23);
    QTest::newRow("225") << 225 << 10 << QPoint(16, 28);
    QTest::newRow("270") << 270 << 12 << QPoint(24, 28);
    QTest::newRow("315") << 315 << 14 << QPoint(28, 28);
    QTest::newRow("360 as 0") << 360 << 0 << QPoint(28, 24);
    QTest::newRow("any other") << 30 << 0 << QPoint(16, 16);
}

void TestFieldScene::executorPlacement()
{
    QFETCH(int, heading);
    QFETCH(int, picture);
    QFETCH(QPoint, corner);

    FieldScene scene(standard());
    scene.drawExecutor({0, 0, 0}, heading);

    QImage expected(500, 500, QImage::Format_RGB32);
    expected.fill(face);
    {
        QPainter painter(&expected);
        painter.drawImage(corner, ExecutorPictures().picture(picture));
    }
    const QRect square(16, 16, 28, 28);
    for (int y = square.top(); y <= square.bottom(); ++y) {
        for (int x = square.left(); x <= square.right(); ++x)
            QCOMPARE(scene.picture().pixel(x, y), expected.pixel(x, y));
    }
}

void TestFieldScene::executorPictureBounds_data()
{
    QTest::addColumn<int>("heading");
    QTest::addColumn<QRect>("bounds");

    // What is seen of each pointer in cell (0, 0): its axis lies on row or column 31, where the
    // trace runs, and its tip touches the side of the square it points to.
    QTest::newRow("0") << 0 << QRect(28, 25, 16, 13);
    QTest::newRow("90") << 90 << QRect(25, 16, 13, 16);
    QTest::newRow("180") << 180 << QRect(16, 25, 16, 13);
    QTest::newRow("270") << 270 << QRect(25, 28, 13, 16);
}

void TestFieldScene::executorPictureBounds()
{
    QFETCH(int, heading);
    QFETCH(QRect, bounds);

    FieldScene scene(standard());
    scene.drawExecutor({0, 0, 0}, heading);
    QCOMPARE(boundsOf(scene.picture(), QRect(11, 11, 39, 39), [](QRgb c) { return c != face; }), bounds);
}

void TestFieldScene::crashPictureBesideSolid_data()
{
    QTest::addColumn<int>("heading");
    QTest::addColumn<QPoint>("shift");

    QTest::newRow("0") << 0 << QPoint(0, -1);
    QTest::newRow("90") << 90 << QPoint(-1, 0);
    QTest::newRow("180") << 180 << QPoint(0, -1);
    QTest::newRow("270") << 270 << QPoint(-1, 0);
}

void TestFieldScene::crashPictureBesideSolid()
{
    QFETCH(int, heading);
    QFETCH(QPoint, shift);

    const ExecutorState executor{3, 5, qint16(heading)};
    const auto drawn = [](QRgb c) { return c != face && c != desktop; };
    const QRect area = standard().executorSquare(3, 5);

    FieldScene solid(standard());
    solid.drawExecutor(executor, heading);
    FieldScene crashed(standard());
    crashed.drawCrashPicture(executor);

    const QRect solidBounds = boundsOf(solid.picture(), area, drawn);
    QVERIFY(!solidBounds.isEmpty());
    QCOMPARE(boundsOf(crashed.picture(), area, drawn), solidBounds.translated(shift));
    QCOMPARE(countOf(crashed.picture(), area, qRgb(255, 0, 0)), 0);
    QVERIFY(countOf(crashed.picture(), area, white) > 20);
}

void TestFieldScene::smallSquareStillDrawsPicture()
{
    // m = 8, N = 15: the square (15 pixels) is smaller than a picture, q = −1 and q2 = 0.
    FieldScene scene(FieldGeometry::compute(8, 15));
    QCOMPARE(scene.geometry().spriteSize, 15);
    scene.drawExecutor({2, 2, 0}, 270);
    const QRect square = scene.geometry().executorSquare(2, 2);
    const QRect bounds = boundsOf(scene.picture(), square.adjusted(-4, -4, 4, 4),
                                  [](QRgb c) { return c == qRgb(255, 0, 0) || c == qRgb(128, 0, 0); });
    QCOMPARE(bounds, QRect(square.left() + 2 + 1, square.top() - 1, 13, 16));
}

void TestFieldScene::trace_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("isGrey");

    QTest::newRow("start") << QPoint(111, 151) << true;
    QTest::newRow("end") << QPoint(151, 151) << true;
    QTest::newRow("upper edge of the pen") << QPoint(121, 149) << true;
    QTest::newRow("lower edge of the pen") << QPoint(121, 153) << true;
    QTest::newRow("above the pen") << QPoint(121, 148) << false;
    QTest::newRow("below the pen") << QPoint(121, 154) << false;
    QTest::newRow("round start") << QPoint(109, 151) << true;
    QTest::newRow("round end") << QPoint(153, 151) << true;
    QTest::newRow("before the start") << QPoint(108, 151) << false;
    QTest::newRow("after the end") << QPoint(154, 151) << false;
    QTest::newRow("start corner rounded off") << QPoint(109, 149) << false;
    QTest::newRow("end corner rounded off") << QPoint(153, 153) << false;
    QTest::newRow("over the grid line") << QPoint(130, 151) << true;
}

void TestFieldScene::trace()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, isGrey);

    FieldScene scene(standard());
    scene.drawTrace({2, 3}, {3, 3});
    QCOMPARE(scene.picture().pixel(pixel) == grey, isGrey);
}

void TestFieldScene::restoreBringsBackSavedPixels()
{
    FieldScene scene(standard());
    scene.drawFixedVerticalWall({3, 3});
    scene.drawTrace({2, 2}, {4, 2});
    scene.drawPointMark(3, 3, QChar(0x0410));
    const QImage before = scene.picture();

    scene.saveUnderExecutor(3, 3);
    QCOMPARE(scene.geometry().executorSquare(3, 3), QRect(136, 136, 28, 28));
    scene.drawExecutor({3, 3, 0}, 0);
    QVERIFY(scene.picture() != before);
    scene.restoreUnderExecutor(3, 3);
    QCOMPARE(scene.picture(), before);
}

void TestFieldScene::traceSurvivesExecutorPassing()
{
    FieldScene scene(standard());
    ExecutorState executor{2, 3, 0};
    scene.saveUnderExecutor(2, 3);
    scene.drawExecutor(executor, 0);
    move(scene, executor, true);
    move(scene, executor, true);
    move(scene, executor, false);
    QCOMPARE(executor, (ExecutorState{5, 3, 0}));

    FieldScene traceOnly(standard());
    traceOnly.drawTrace({2, 3}, {3, 3});
    traceOnly.drawTrace({3, 3}, {4, 3});
    // Everything except the executor's square now is the field with the bare trace.
    const QImage withExecutor = scene.picture();
    scene.restoreUnderExecutor(5, 3);
    QCOMPARE(scene.picture(), traceOnly.picture());
    QVERIFY(withExecutor != scene.picture());
}

void TestFieldScene::markAReappearsWhenExecutorLeaves()
{
    FieldScene scene(standard());
    World world;
    world.start = {2, 3, 270};
    world.pointB = {2, 3};
    scene.drawTaskObjects(world);
    move(scene, world.executor, false);
    QCOMPARE(world.executor, (ExecutorState{2, 4, 270}));

    FieldScene marks(standard());
    marks.drawPointMark(2, 3, QChar(0x0410));
    const QRect startSquare = scene.geometry().executorSquare(2, 3);
    QCOMPARE(scene.picture().copy(startSquare), marks.picture().copy(startSquare));
    QVERIFY(countOf(scene.picture(), startSquare, black) > 30);
}

void TestFieldScene::variableWallPresent_data()
{
    QTest::addColumn<WallVariant>("variant");
    QTest::addColumn<QPoint>("lit");
    QTest::addColumn<QPoint>("shaded");
    QTest::addColumn<QRect>("label");

    QTest::newRow("vertical") << wall("V", 2, 3) << QPoint(125, 150) << QPoint(135, 150)
                              << QRect(126, 140, 8, 10);
    QTest::newRow("horizontal") << wall("H", 2, 3) << QPoint(110, 165) << QPoint(110, 175)
                                << QRect(100, 166, 8, 9);
    QTest::newRow("unknown letter drawn horizontal")
        << wall("X", 2, 3) << QPoint(110, 165) << QPoint(110, 175) << QRect(100, 166, 8, 9);
}

void TestFieldScene::variableWallPresent()
{
    QFETCH(WallVariant, variant);
    QFETCH(QPoint, lit);
    QFETCH(QPoint, shaded);
    QFETCH(QRect, label);

    FieldScene scene(standard());
    const WallModel walls = oneVariableWall(wall("H", 9, 9), variant);
    QVERIFY(!lettersUseLabelFont(scene));
    scene.drawVariableWallPresent(walls, 0, 2);
    QVERIFY(lettersUseLabelFont(scene));
    QCOMPARE(scene.picture().pixel(lit), white);
    QCOMPARE(scene.picture().pixel(shaded), black);
    // The label "2" sits on the bar near its upper or left end.
    QVERIFY(countOf(scene.picture(), label, black) > 3);
}

void TestFieldScene::variableWallPresentThenAbsent_data()
{
    QTest::addColumn<WallVariant>("variant");
    QTest::addColumn<QRect>("place");

    QTest::newRow("vertical") << wall("V", 2, 3) << QRect(125, 130, 11, 41);
    QTest::newRow("horizontal") << wall("H", 2, 3) << QRect(90, 165, 41, 11);
}

void TestFieldScene::variableWallPresentThenAbsent()
{
    QFETCH(WallVariant, variant);
    QFETCH(QRect, place);

    FieldScene scene(standard());
    const WallModel walls = oneVariableWall(variant, wall("H", 9, 9));
    scene.drawTrace({2, 3}, {3, 3});
    scene.drawVariableWallPresent(walls, 0, 1);
    scene.drawVariableWallAbsent(walls, 0, 1);

    // Bar, label and the piece of trace are gone; a dotted desktop outline stands on face.
    const QImage &p = scene.picture();
    QCOMPARE(countOf(p, place, white), 0);
    QCOMPARE(countOf(p, place, black), 0);
    QCOMPARE(countOf(p, place, grey), 0);
    const int dots = countOf(p, place, desktop);
    QVERIFY(dots > 20);
    QVERIFY(dots < 90); // a full outline would be about 100 pixels
    QCOMPARE(countOf(p, place, face) + dots, place.width() * place.height());
}

void TestFieldScene::variableWallOtherVariantDrawsNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("variant");

    QTest::newRow("variant 0") << 0 << 0;
    QTest::newRow("variant 3") << 0 << 3;
    QTest::newRow("wall that does not exist") << 1 << 1;
    QTest::newRow("negative index") << -1 << 1;
}

void TestFieldScene::variableWallOtherVariantDrawsNothing()
{
    QFETCH(int, index);
    QFETCH(int, variant);

    FieldScene scene(standard());
    const QImage before = scene.picture();
    const WallModel walls = oneVariableWall(wall("V", 2, 3), wall("H", 2, 3));
    scene.drawVariableWallPresent(walls, index, variant);
    scene.drawVariableWallAbsent(walls, index, variant);
    QCOMPARE(scene.picture(), before);
    QVERIFY(!lettersUseLabelFont(scene));
}

void TestFieldScene::labelFontChangesPointLetters()
{
    FieldScene before(standard());
    before.drawPointMark(2, 3, QChar(0x0410));

    FieldScene after(standard());
    const WallModel walls = oneVariableWall(wall("V", 8, 8), wall("H", 8, 8));
    after.drawVariableWallPresent(walls, 0, 1);
    after.drawEmptyField();
    after.drawPointMark(2, 3, QChar(0x0410));

    const QRect letter(100, 137, 10, 13);
    QVERIFY(before.picture().copy(letter) != after.picture().copy(letter));
    // The dot does not depend on the font.
    const QRect dot(107, 150, 8, 5);
    QCOMPARE(before.picture().copy(dot), after.picture().copy(dot));
}

void TestFieldScene::variableWallsAtFirstVariant_data()
{
    QTest::addColumn<int>("count");

    QTest::newRow("none") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
}

void TestFieldScene::variableWallsAtFirstVariant()
{
    QFETCH(int, count);

    FieldScene scene(standard());
    WallModel walls;
    // Wall i: variant 1 vertical on (i, 1), variant 2 horizontal on (i, 6).
    for (int i = 0; i < count; ++i)
        walls.walls.variable.append({wall("V", qint16(2 * i), 1), wall("H", qint16(2 * i), 6)});
    // The order the task set-up draws a wall in at its first variant.
    for (int i = 0; i < count; ++i) {
        scene.drawVariableWallAbsent(walls, i, 2);
        scene.drawVariableWallPresent(walls, i, 1);
    }

    for (int i = 0; i < count; ++i) {
        const QPoint present(10 + (2 * i + 1) * 40 - 5, 70);
        const QRect absent(10 + 2 * i * 40, 285, 41, 11);
        QCOMPARE(scene.picture().pixel(present), white);
        QCOMPARE(countOf(scene.picture(), absent, white), 0);
        QVERIFY(countOf(scene.picture(), absent, desktop) > 20);
    }
    QCOMPARE(lettersUseLabelFont(scene), count > 0);
}

QTEST_MAIN(TestFieldScene)
#include "tst_fieldscene.moc"
