#include "display/executorpictures.h"
#include "display/fieldgeometry.h"
#include "display/fieldscene.h"
#include "display/opaquepixels.h"

#include <QPainter>
#include <QTest>

class TestOpaquePixels : public QObject
{
    Q_OBJECT

private slots:
    void opaqueOrClear_data();
    void opaqueOrClear();
    void copiesRectangle_data();
    void copiesRectangle();
};

void TestOpaquePixels::opaqueOrClear_data()
{
    QTest::addColumn<QRgb>("pixel");
    QTest::addColumn<bool>("isOpaqueOrClearImage");

    QTest::newRow("clear") << qRgba(0, 0, 0, 0) << true;
    QTest::newRow("opaque") << qRgb(128, 128, 128) << true;
    QTest::newRow("half covered") << qRgba(64, 64, 64, 128) << false;
    QTest::newRow("almost opaque") << qRgba(250, 250, 250, 254) << false;
}

void TestOpaquePixels::opaqueOrClear()
{
    QFETCH(QRgb, pixel);
    QFETCH(bool, isOpaqueOrClearImage);

    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setPixel(5, 6, pixel);
    QCOMPARE(isOpaqueOrClear(image), isOpaqueOrClearImage);
}

void TestOpaquePixels::copiesRectangle_data()
{
    QTest::addColumn<QRect>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("a square") << QRect(100, 120, 28, 28) << QPoint(0, 0);
    QTest::newRow("the upper left corner") << QRect(0, 0, 28, 28) << QPoint(0, 0);
    QTest::newRow("the lower right corner") << QRect(472, 472, 28, 28) << QPoint(2, 3);
}

void TestOpaquePixels::copiesRectangle()
{
    QFETCH(QRect, from);
    QFETCH(QPoint, to);

    QImage field = FieldScene(FieldGeometry::compute(10, 12)).picture();
    QPainter(&field).drawImage(from.topLeft() + QPoint(4, 4), ExecutorPictures().picture(3));
    QImage target(40, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    QImage expected = target;
    QPainter(&expected).drawImage(to, field.copy(from));
    copyPixels(field, from.topLeft(), target, to, from.size());
    QCOMPARE(target, expected);
}

QTEST_MAIN(TestOpaquePixels)
#include "tst_opaquepixels.moc"
