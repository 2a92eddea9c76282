#include "display/fieldcolours.h"
#include "display/fieldgeometry.h"
#include "display/fieldscene.h"
#include "display/tracepieces.h"

#include <QPainter>
#include <QTest>

namespace {

// A picture with something under the trace: the empty field with its grid and frame.
QImage fieldPicture(const FieldGeometry &geometry)
{
    FieldScene scene(geometry);
    return scene.picture();
}

void restore(QImage &image, const QImage &original, const QRect &area)
{
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), original, area);
}

} // namespace

class TestTracePieces : public QObject
{
    Q_OBJECT

private slots:
    void copiedPiecesMatchTheStroke_data();
    void copiedPiecesMatchTheStroke();
    void lineOffThePicture_data();
    void lineOffThePicture();
};

void TestTracePieces::copiedPiecesMatchTheStroke_data()
{
    QTest::addColumn<int>("layoutUnit");
    QTest::addColumn<int>("fieldSize");

    QTest::newRow("m 10, 12 cells") << 10 << 12;
    QTest::newRow("m 10, 15 cells") << 10 << 15;
    QTest::newRow("m 8, 13 cells") << 8 << 13;
    QTest::newRow("m 13, 14 cells") << 13 << 14;
    QTest::newRow("m 16, 15 cells") << 16 << 15;
    QTest::newRow("m 20, 12 cells") << 20 << 12;
}

// Every step and jump from every cell, in all eight directions, as a run draws them (the
// piece copied) and as the painter strokes it, on the same field: not a pixel apart.
void TestTracePieces::copiedPiecesMatchTheStroke()
{
    QFETCH(int, layoutUnit);
    QFETCH(int, fieldSize);

    const FieldGeometry geometry = FieldGeometry::compute(layoutUnit, fieldSize);
    const QImage field = fieldPicture(geometry);
    const QPoint shift(1, 1);
    TracePieces pieces;
    QImage copied = field;
    QImage stroked = field;
    int compared = 0;
    for (int row = 0; row < fieldSize; ++row) {
        for (int column = 0; column < fieldSize; ++column) {
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int length = 1; length <= 2; ++length) {
                        const int toColumn = column + length * dx;
                        const int toRow = row + length * dy;
                        if ((dx == 0 && dy == 0) || toColumn < 0 || toRow < 0 || toColumn >= fieldSize
                            || toRow >= fieldSize)
                            continue;
                        const QPoint from = geometry.cellCentre(column, row) + shift;
                        const QPoint to = geometry.cellCentre(toColumn, toRow) + shift;
                        pieces.draw(copied, from, to);
                        TracePieces::stroke(stroked, from, to);
                        const QRect area = QRect(from, to).normalized().adjusted(-8, -8, 8, 8) & field.rect();
                        if (copied.copy(area) != stroked.copy(area))
                            QFAIL(qPrintable(QStringLiteral("(%1, %2) to (%3, %4)")
                                                 .arg(column)
                                                 .arg(row)
                                                 .arg(toColumn)
                                                 .arg(toRow)));
                        QVERIFY(copied.copy(area) != field.copy(area));
                        restore(copied, field, area);
                        restore(stroked, field, area);
                        ++compared;
                    }
                }
            }
        }
    }
    QVERIFY(compared > 16 * fieldSize * fieldSize / 2);
}

void TestTracePieces::lineOffThePicture_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("over the left edge") << QPoint(1, 20) << QPoint(30, 20);
    QTest::newRow("over the top edge") << QPoint(20, 1) << QPoint(20, 30);
    QTest::newRow("over the lower right corner") << QPoint(90, 90) << QPoint(99, 99);
    QTest::newRow("a long line") << QPoint(5, 50) << QPoint(95, 50);
}

// A piece that reaches over the picture's edge is cut there, as the painter cuts it.
void TestTracePieces::lineOffThePicture()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);

    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(FieldColours::face);
    QImage stroked = picture;
    TracePieces pieces;
    pieces.draw(picture, from, to);
    TracePieces::stroke(stroked, from, to);
    QCOMPARE(picture, stroked);
    QCOMPARE(picture.pixel(from), FieldColours::trace | 0xff000000u);
}

QTEST_MAIN(TestTracePieces)
#include "tst_tracepieces.moc"
