#include "cli/jury/report/jurypicture.h"
#include "display/fieldgeometry.h"

#include <QtTest>

Q_DECLARE_METATYPE(RunEnd)

namespace {

constexpr int unit = 10;

QString colourName(QRgb colour)
{
    switch (colour & 0xFFFFFF) {
    case DiffColours::reference & 0xFFFFFF: return QStringLiteral("reference");
    case DiffColours::pupil & 0xFFFFFF: return QStringLiteral("pupil");
    case DiffColours::missing & 0xFFFFFF: return QStringLiteral("missing");
    case DiffColours::extra & 0xFFFFFF: return QStringLiteral("extra");
    default: return {};
    }
}

// The colour swatches of the legend, top to bottom: read up the column through the swatches,
// below the field, until the first pixel that is neither blank nor a swatch (the heading).
QStringList legendSwatches(const QImage &picture, int fieldHeight, int x)
{
    QStringList swatches;
    QString previous;
    for (int y = picture.height() - 1; y >= fieldHeight; --y) {
        const QRgb pixel = picture.pixel(x, y) & 0xFFFFFF;
        const QString name = colourName(pixel);
        if (name.isEmpty() && pixel != 0xFFFFFF)
            break;
        if (!name.isEmpty() && name != previous)
            swatches.prepend(name);
        previous = name;
    }
    return swatches;
}

} // namespace

class TestJuryPicture : public QObject
{
    Q_OBJECT

private slots:
    void legendOnlyWhatApplies_data();
    void legendOnlyWhatApplies();
};

void TestJuryPicture::legendOnlyWhatApplies_data()
{
    QTest::addColumn<bool>("hasPointB");
    QTest::addColumn<bool>("hasReference");
    QTest::addColumn<RunEnd>("end");
    QTest::addColumn<QStringList>("swatches");

    QTest::newRow("point Б: the pupil's path only")
        << true << false << RunEnd::Complete << QStringList{"pupil"};
    QTest::newRow("point Б with a reference")
        << true << true << RunEnd::Complete << QStringList{"reference", "pupil"};
    QTest::newRow("point Б, a crash") << true << false << RunEnd::Crash << QStringList{"pupil", "missing"};
    QTest::newRow("a drawing task: the edges counted")
        << false << true << RunEnd::Complete << QStringList{"reference", "pupil", "missing", "extra"};
    QTest::newRow("a drawing task, a crash")
        << false << true << RunEnd::Crash << QStringList{"reference", "pupil", "missing", "extra", "missing"};
}

void TestJuryPicture::legendOnlyWhatApplies()
{
    QFETCH(bool, hasPointB);
    QFETCH(bool, hasReference);
    QFETCH(RunEnd, end);
    World world;
    world.fieldSize = 12;
    TestPass pass;
    pass.number = 3;
    pass.end = end;
    pass.executor = {4, 4, 0};
    pass.missing = {{{1, 1}, {1, 2}}, {{1, 2}, {1, 3}}};
    pass.extra = {{{4, 4}, {5, 4}}};
    DiffLegend legend;
    legend.hasPointB = hasPointB;
    legend.hasReference = hasReference;
    const QImage picture = diffPicture(world, pass, {{{2, 2}, {2, 3}}}, unit, legend);
    const int fieldHeight = passPicture(world, pass, unit).height();
    QVERIFY(picture.height() > fieldHeight);
    // The swatches stand at the left margin of the field, the legend's words right of them.
    const int x = FieldGeometry::compute(unit, world.fieldSize).layoutUnit + 12;
    QTEST(legendSwatches(picture, fieldHeight, x), "swatches");
}

QTEST_MAIN(TestJuryPicture)
#include "tst_jurypicture.moc"
