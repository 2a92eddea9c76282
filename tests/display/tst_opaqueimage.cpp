#include "display/executorpictures.h"
#include "display/fieldgeometry.h"
#include "display/fieldscene.h"
#include "display/opaqueimage.h"

#include <QPainter>
#include <QTest>

class TestOpaqueImage : public QObject
{
    Q_OBJECT

private slots:
    void drawsAsThePainter_data();
    void drawsAsThePainter();
    void pictureWithHoles();
};

void TestOpaqueImage::drawsAsThePainter_data()
{
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("inside") << QPoint(123, 87);
    QTest::newRow("over the left edge") << QPoint(-5, 40);
    QTest::newRow("over the top edge") << QPoint(40, -9);
    QTest::newRow("over the lower right corner") << QPoint(490, 492);
    QTest::newRow("wholly outside") << QPoint(600, 10);
}

// Every executor picture on the field, drawn by its runs and by the painter: the same pixels.
void TestOpaqueImage::drawsAsThePainter()
{
    QFETCH(QPoint, topLeft);

    const QImage field = FieldScene(FieldGeometry::compute(10, 12)).picture();
    const ExecutorPictures pictures;
    for (int index = 0; index < ExecutorPictures::pictureCount; ++index) {
        QImage drawn = field;
        OpaqueImage(pictures.picture(index)).draw(drawn, topLeft);
        QImage painted = field;
        QPainter(&painted).drawImage(topLeft, pictures.picture(index));
        QCOMPARE(drawn, painted);
    }
}

// Clear pixels between opaque ones leave the target as it was.
void TestOpaqueImage::pictureWithHoles()
{
    QImage picture(5, 2, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    for (const QPoint &p : {QPoint(0, 0), QPoint(2, 0), QPoint(3, 0), QPoint(4, 1)})
        picture.setPixel(p, qRgb(10, 20, 30));
    QImage target(5, 2, QImage::Format_RGB32);
    target.fill(qRgb(200, 200, 200));
    OpaqueImage(picture).draw(target, QPoint(0, 0));
    const QList<bool> drawn{true, false, true, true, false, false, false, false, false, true};
    for (int i = 0; i < drawn.size(); ++i)
        QCOMPARE(target.pixel(i % 5, i / 5), drawn[i] ? qRgb(10, 20, 30) : qRgb(200, 200, 200));
}

QTEST_MAIN(TestOpaqueImage)
#include "tst_opaqueimage.moc"
