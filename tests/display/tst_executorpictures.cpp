#include "display/executorpictures.h"
#include "display/fieldcolours.h"

#include <QTest>

#include <cmath>
#include <numbers>

namespace {

bool opaque(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) == 255;
}

QRect opaqueBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (opaque(image, x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class TestExecutorPictures : public QObject
{
    Q_OBJECT

private slots:
    void pictureFormat();
    void rightPointerShape_data();
    void rightPointerShape();
    void straightPointerBounds_data();
    void straightPointerBounds();
    void pointsInItsDirection_data();
    void pointsInItsDirection();
    void colours_data();
    void colours();
    void hollowMatchesSolidShape_data();
    void hollowMatchesSolidShape();
    void outOfRangeIndexGivesFirstPicture();
};

void TestExecutorPictures::pictureFormat()
{
    const ExecutorPictures pictures;
    for (int i = 0; i < ExecutorPictures::pictureCount; ++i) {
        const QImage &image = pictures.picture(i);
        QCOMPARE(image.size(), QSize(16, 16));
        QVERIFY(image.hasAlphaChannel());
        // Background pixels are fully transparent, drawn ones fully opaque: nothing blends.
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                QVERIFY(alpha == 0 || alpha == 255);
            }
        }
        QVERIFY(!opaque(image, 0, 0));
    }
}

void TestExecutorPictures::rightPointerShape_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("tip") << QPoint(15, 7) << true;
    QTest::newRow("beside the tip, above") << QPoint(15, 6) << false;
    QTest::newRow("beside the tip, below") << QPoint(15, 8) << false;
    QTest::newRow("shaft top at the left edge") << QPoint(0, 5) << true;
    QTest::newRow("shaft bottom at the left edge") << QPoint(0, 9) << true;
    QTest::newRow("above the shaft") << QPoint(0, 4) << false;
    QTest::newRow("below the shaft") << QPoint(0, 10) << false;
    QTest::newRow("shaft end above") << QPoint(8, 4) << false;
    QTest::newRow("head base top") << QPoint(9, 1) << true;
    QTest::newRow("head base bottom") << QPoint(9, 13) << true;
    QTest::newRow("above the head") << QPoint(9, 0) << false;
    QTest::newRow("below the head") << QPoint(9, 14) << false;
    QTest::newRow("head slope") << QPoint(12, 4) << true;
    QTest::newRow("outside the slope") << QPoint(12, 3) << false;
    QTest::newRow("one step in from the base corner") << QPoint(10, 1) << false;
}

void TestExecutorPictures::rightPointerShape()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, drawn);

    const ExecutorPictures pictures;
    QCOMPARE(opaque(pictures.picture(0), pixel.x(), pixel.y()), drawn);
}

void TestExecutorPictures::straightPointerBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QPoint>("tip");

    // The axis of each pointer: row 7 for right, row 8 for left, column 7 for up and down.
    QTest::newRow("right") << 0 << QRect(0, 1, 16, 13) << QPoint(15, 7);
    QTest::newRow("up") << 4 << QRect(1, 0, 13, 16) << QPoint(7, 0);
    QTest::newRow("left") << 8 << QRect(0, 2, 16, 13) << QPoint(0, 8);
    QTest::newRow("down") << 12 << QRect(1, 0, 13, 16) << QPoint(7, 15);
}

void TestExecutorPictures::straightPointerBounds()
{
    QFETCH(int, index);
    QFETCH(QRect, bounds);
    QFETCH(QPoint, tip);

    const ExecutorPictures pictures;
    const QImage &image = pictures.picture(index);
    QCOMPARE(opaqueBounds(image), bounds);
    QVERIFY(opaque(image, tip.x(), tip.y()));
    // The tip is a single pixel at its edge of the picture.
    const bool horizontal = tip.y() != 0 && tip.y() != 15;
    int edgePixels = 0;
    for (int i = 0; i < 16; ++i)
        edgePixels += horizontal ? opaque(image, tip.x(), i) : opaque(image, i, tip.y());
    QCOMPARE(edgePixels, 1);
}

void TestExecutorPictures::pointsInItsDirection_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < ExecutorPictures::pictureCount; ++i)
        QTest::newRow(qPrintable(QStringLiteral("picture %1").arg(i))) << i;
}

void TestExecutorPictures::pointsInItsDirection()
{
    // Along its direction a pointer is longer than it is wide, and its front half (the head)
    // is much wider than its back half (the shaft).
    QFETCH(int, index);
    const ExecutorPictures pictures;
    const QImage &image = pictures.picture(index);
    const double angle = (index / 2) * 45.0 * std::numbers::pi / 180;
    const double alongX = std::cos(angle);
    const double alongY = -std::sin(angle); // rows grow downwards
    double alongMin = 99, alongMax = -99, acrossMin = 99, acrossMax = -99;
    double frontMin = 99, frontMax = -99, backMin = 99, backMax = -99;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (!opaque(image, x, y))
                continue;
            const double px = x + 0.5 - 8;
            const double py = y + 0.5 - 8;
            const double along = px * alongX + py * alongY;
            const double across = -px * alongY + py * alongX;
            alongMin = qMin(alongMin, along);
            alongMax = qMax(alongMax, along);
            acrossMin = qMin(acrossMin, across);
            acrossMax = qMax(acrossMax, across);
            if (along > 1) {
                frontMin = qMin(frontMin, across);
                frontMax = qMax(frontMax, across);
            } else if (along < -1) {
                backMin = qMin(backMin, across);
                backMax = qMax(backMax, across);
            }
        }
    }
    QVERIFY2(
        alongMax - alongMin > acrossMax - acrossMin,
        qPrintable(QStringLiteral("%1 long, %2 wide").arg(alongMax - alongMin).arg(acrossMax - acrossMin)));
    QVERIFY2(
        frontMax - frontMin > backMax - backMin + 4,
        qPrintable(
            QStringLiteral("front %1 wide, back %2 wide").arg(frontMax - frontMin).arg(backMax - backMin)));
}

void TestExecutorPictures::colours_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<QRgb>("outline");
    QTest::addColumn<bool>("greyAllowed");

    const QRgb red = qRgb(255, 0, 0);
    const QRgb darkRed = qRgb(128, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb grey = qRgb(128, 128, 128);
    for (int i = 0; i < ExecutorPictures::pictureCount; ++i) {
        const bool hollow = i % 2 == 1;
        const bool diagonal = (i / 2) % 2 == 1;
        QTest::newRow(qPrintable(QStringLiteral("picture %1").arg(i)))
            << i << (hollow ? white : red) << (hollow ? grey : darkRed) << (hollow || diagonal);
    }
}

void TestExecutorPictures::colours()
{
    QFETCH(int, index);
    QFETCH(QRgb, fill);
    QFETCH(QRgb, outline);
    QFETCH(bool, greyAllowed);

    const ExecutorPictures pictures;
    const QImage &image = pictures.picture(index);
    int fillPixels = 0;
    int outlinePixels = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (!opaque(image, x, y))
                continue;
            const QRgb colour = image.pixel(x, y);
            const bool border = !opaque(image, x - 1 < 0 ? x : x - 1, y)
                || !opaque(image, x + 1 > 15 ? x : x + 1, y) || !opaque(image, x, y - 1 < 0 ? y : y - 1)
                || !opaque(image, x, y + 1 > 15 ? y : y + 1) || x == 0 || y == 0 || x == 15 || y == 15;
            if (border) {
                QVERIFY(colour == outline || (greyAllowed && colour == qRgb(128, 128, 128)));
                ++outlinePixels;
            } else {
                QCOMPARE(colour, fill);
                ++fillPixels;
            }
        }
    }
    QVERIFY(fillPixels > 20);
    QVERIFY(outlinePixels > 20);
}

void TestExecutorPictures::hollowMatchesSolidShape_data()
{
    QTest::addColumn<int>("direction");
    for (int k = 0; k < 8; ++k)
        QTest::newRow(qPrintable(QStringLiteral("%1°").arg(k * 45))) << k;
}

void TestExecutorPictures::hollowMatchesSolidShape()
{
    QFETCH(int, direction);
    const ExecutorPictures pictures;
    const QImage &solid = pictures.picture(2 * direction);
    const QImage &hollow = pictures.picture(2 * direction + 1);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            QCOMPARE(opaque(hollow, x, y), opaque(solid, x, y));
    }
}

void TestExecutorPictures::outOfRangeIndexGivesFirstPicture()
{
    const ExecutorPictures pictures;
    QCOMPARE(pictures.picture(-1), pictures.picture(0));
    QCOMPARE(pictures.picture(16), pictures.picture(0));
    QVERIFY(pictures.picture(2) != pictures.picture(0));
}

QTEST_APPLESS_MAIN(TestExecutorPictures)
#include "tst_executorpictures.moc"
