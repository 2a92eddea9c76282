// The field for weak eyes and fine screens: in high contrast whatever is drawn keeps 4.5 : 1
// against the background; drawn twice as fine it is the same field, as sharp.
#include "display/fieldcolours.h"
#include "display/fieldscene.h"
#include "display/highcontrast.h"
#include "world/model/wallmodel.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <functional>

using Drawing = std::function<void(FieldScene &)>;

namespace {

// Relative luminance as the web's accessibility guidelines define it.
double luminance(QRgb colour)
{
    const auto linear = [](int value) {
        return value <= 10 ? value / 255.0 / 12.92 : std::pow((value / 255.0 + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

void addDrawings()
{
    QTest::addColumn<Drawing>("draw");
    QTest::newRow("fixed wall") << Drawing([](FieldScene &s) { s.drawFixedVerticalWall({4, 4}); });
    QTest::newRow("trace") << Drawing([](FieldScene &s) { s.drawTrace({1, 1}, {1, 2}); });
    QTest::newRow("executor") << Drawing([](FieldScene &s) { s.drawExecutor({3, 3, 90}, 90); });
    QTest::newRow("crash") << Drawing([](FieldScene &s) { s.drawCrashPicture({3, 3, 180}); });
    QTest::newRow("point Б") << Drawing([](FieldScene &s) { s.drawPointMark(6, 6, QChar(0x0411)); });
    QTest::newRow("movable wall's place") << Drawing([](FieldScene &s) {
        WallModel walls;
        walls.walls.variable = {VariableWall{{"H", 5, 5}, {"V", 6, 6}}};
        s.drawVariableWallAbsent(walls, 0, 2);
    });
}

} // namespace

class TestFieldLegibility : public QObject
{
    Q_OBJECT

private slots:
    void contrasts_data() { addDrawings(); }
    void contrasts()
    {
        QFETCH(Drawing, draw);
        FieldScene scene(FieldGeometry::compute(10, 12));
        const QImage empty = scene.picture().copy();
        draw(scene);
        const QImage shown = HighContrast::recoloured(scene.picture(), scene.picture().rect());
        const double background = luminance(HighContrast::colour(FieldColours::face));
        int drawn = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                // Unchanged, or cleared to the background (a grid line under a movable wall's place).
                if (scene.picture().pixel(x, y) == empty.pixel(x, y)
                    || shown.pixel(x, y) == qRgb(255, 255, 255))
                    continue;
                ++drawn;
                const double l = luminance(shown.pixel(x, y));
                QVERIFY((qMax(l, background) + 0.05) / (qMin(l, background) + 0.05) >= 4.5);
            }
        }
        QVERIFY(drawn > 0);
    }

    void scales_data() { addDrawings(); }
    void scales()
    {
        QFETCH(Drawing, draw);
        FieldScene plain(FieldGeometry::compute(10, 13)), fine(FieldGeometry::compute(10, 13));
        fine.setScale(2);
        draw(plain), draw(fine);
        QCOMPARE(fine.picture().deviceIndependentSize(), QSizeF(plain.picture().size()));
        // The plain field with each pixel doubled, but for the slants and round ends drawn finer
        // and the one-pixel lines, which lie a device pixel off; and no colour the plain field
        // lacks, so nothing is smoothed into a blur.
        const QImage doubled = plain.picture().scaled(fine.picture().size());
        const auto *pixels = reinterpret_cast<const QRgb *>(doubled.constBits());
        const QSet<QRgb> colours(pixels, pixels + doubled.width() * doubled.height());
        int differing = 0;
        for (int y = 1; y < doubled.height() - 1; ++y) {
            for (int x = 1; x < doubled.width() - 1; ++x) {
                const QRgb pixel = fine.picture().pixel(x, y);
                QVERIFY(colours.contains(pixel));
                differing += pixel != doubled.pixel(x, y) && pixel != doubled.pixel(x + 1, y)
                    && pixel != doubled.pixel(x, y + 1) && pixel != doubled.pixel(x - 1, y)
                    && pixel != doubled.pixel(x, y - 1);
            }
        }
        QVERIFY2(differing < doubled.width() * doubled.height() / 2000,
                 qPrintable(QString::number(differing)));
    }
};

QTEST_MAIN(TestFieldLegibility)
#include "tst_fieldlegibility.moc"
