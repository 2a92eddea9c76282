#include "display/fieldgeometry.h"

#include <QTest>

class TestFieldGeometry : public QObject
{
    Q_OBJECT

private slots:
    void compute_data();
    void compute();
    void cellCentre_data();
    void cellCentre();
    void executorSquare_data();
    void executorSquare();
    void squareKeepsClearOfBars_data();
    void squareKeepsClearOfBars();
    void rulerLabels_data();
    void rulerLabels();
    void hitTest_data();
    void hitTest();
};

void TestFieldGeometry::compute_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("sprite");

    QTest::newRow("m=10 N=12") << 10 << 12 << 40 << 500 << 30 << 28;
    QTest::newRow("m=10 N=13") << 10 << 13 << 36 << 488 << 28 << 24;
    QTest::newRow("m=10 N=14") << 10 << 14 << 34 << 496 << 27 << 22;
    QTest::newRow("m=10 N=15") << 10 << 15 << 32 << 500 << 26 << 20;
    QTest::newRow("m=12 N=12") << 12 << 12 << 48 << 600 << 36 << 34;
    QTest::newRow("m=12 N=13") << 12 << 13 << 44 << 596 << 34 << 30;
    QTest::newRow("m=12 N=14") << 12 << 14 << 41 << 598 << 32 << 27;
    QTest::newRow("m=12 N=15") << 12 << 15 << 38 << 594 << 31 << 24;
    QTest::newRow("m=19 N=13") << 19 << 13 << 70 << 948 << 54 << 49;
}

void TestFieldGeometry::compute()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, cell);
    QFETCH(int, width);
    QFETCH(int, origin);
    QFETCH(int, sprite);

    const FieldGeometry g = FieldGeometry::compute(m, n);
    QCOMPARE(g.layoutUnit, m);
    QCOMPARE(g.fieldSize, n);
    QCOMPARE(g.cellSize, cell);
    QCOMPARE(g.halfCell, cell / 2);
    QCOMPARE(g.pictureWidth(), width);
    QCOMPARE(g.originX, origin);
    QCOMPARE(g.originY, origin);
    QCOMPARE(g.spriteSize, sprite);
    QCOMPARE(g.halfSprite, sprite / 2);
}

void TestFieldGeometry::cellCentre_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("centre");

    QTest::newRow("top left") << 10 << 12 << 0 << 0 << QPoint(30, 30);
    QTest::newRow("(2, 3)") << 10 << 12 << 2 << 3 << QPoint(110, 150);
    QTest::newRow("bottom right") << 10 << 12 << 11 << 11 << QPoint(470, 470);
    QTest::newRow("unset point") << 10 << 12 << -1 << -1 << QPoint(-10, -10);
    QTest::newRow("m=12 N=14 (13, 1)") << 12 << 14 << 13 << 1 << QPoint(565, 73);
}

void TestFieldGeometry::cellCentre()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QPoint, centre);

    QCOMPARE(FieldGeometry::compute(m, n).cellCentre(column, row), centre);
}

void TestFieldGeometry::executorSquare_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRect>("square");

    QTest::newRow("cell (0, 0)") << 10 << 12 << 0 << 0 << QRect(16, 16, 28, 28);
    QTest::newRow("cell (3, 3)") << 10 << 12 << 3 << 3 << QRect(136, 136, 28, 28);
    QTest::newRow("m=12 N=14 (1, 2)") << 12 << 14 << 1 << 2 << QRect(60, 101, 27, 27);
    QTest::newRow("m=10 N=15 (14, 14)") << 10 << 15 << 14 << 14 << QRect(464, 464, 20, 20);
}

void TestFieldGeometry::executorSquare()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QRect, square);

    QCOMPARE(FieldGeometry::compute(m, n).executorSquare(column, row), square);
}

void TestFieldGeometry::squareKeepsClearOfBars_data()
{
    QTest::addColumn<int>("m");
    for (int m : {8, 10, 12, 13, 16, 19, 25})
        QTest::newRow(qPrintable(QStringLiteral("m=%1").arg(m))) << m;
}

void TestFieldGeometry::squareKeepsClearOfBars()
{
    // Wall and frame bars reach m div 2 pixels into a cell; the executor square never meets them.
    QFETCH(int, m);
    for (int n = 12; n <= 15; ++n) {
        const FieldGeometry g = FieldGeometry::compute(m, n);
        const QRect cell(m + 2 * g.cellSize, m + 5 * g.cellSize, g.cellSize, g.cellSize);
        const QRect square = g.executorSquare(2, 5);
        const int clearance = m / 2 + 1;
        QVERIFY2(cell.adjusted(clearance, clearance, -clearance, -clearance).contains(square),
                 qPrintable(QStringLiteral("N=%1").arg(n)));
    }
}

void TestFieldGeometry::rulerLabels_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("position");

    QTest::newRow("m=10 N=12 first") << 10 << 12 << 0 << 40;
    QTest::newRow("m=10 N=12 last visible") << 10 << 12 << 11 << 480;
    QTest::newRow("m=10 N=12 label 15") << 10 << 12 << 15 << 640;
    QTest::newRow("m=12 N=13 second") << 12 << 13 << 1 << 90;
}

void TestFieldGeometry::rulerLabels()
{
    QFETCH(int, m);
    QFETCH(int, n);
    QFETCH(int, index);
    QFETCH(int, position);

    const FieldGeometry g = FieldGeometry::compute(m, n);
    QCOMPARE(g.columnLabelLeft(index), position);
    QCOMPARE(g.rowLabelTop(index), position);
    // Seen from the ruler's panel, which starts m − 2 pixels left of the field picture,
    // the label starts 2 pixels right of its column's centre.
    QCOMPARE(position - (m - 2), g.cellCentre(index, 0).x() + 2);
}

void TestFieldGeometry::hitTest_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("edge");
    QTest::addColumn<QString>("horizontalEdge");

    // m = 10, N = 12: cells of 40 pixels from (10, 10); an edge is hit within 10 pixels.
    QTest::newRow("cell centre") << 10 << 12 << QPoint(150, 190) << "3,4"
                                 << ""
                                 << "";
    QTest::newRow("right edge from inside") << 10 << 12 << QPoint(169, 190) << "3,4"
                                            << "V3,4"
                                            << "";
    QTest::newRow("same edge from the right") << 10 << 12 << QPoint(171, 190) << "4,4"
                                              << "V3,4"
                                              << "";
    QTest::newRow("lower edge from below") << 10 << 12 << QPoint(150, 210) << "3,5"
                                           << "H3,4"
                                           << "H3,4";
    QTest::newRow("just out of reach") << 10 << 12 << QPoint(150, 211 + 10) << "3,5"
                                       << ""
                                       << "";
    QTest::newRow("corner: nearest, or as asked") << 10 << 12 << QPoint(169, 209) << "3,4"
                                                  << "V3,4"
                                                  << "H3,4";
    QTest::newRow("left border") << 10 << 12 << QPoint(12, 190) << "0,4"
                                 << ""
                                 << "";
    QTest::newRow("lower border") << 10 << 12 << QPoint(150, 489) << "3,11"
                                  << ""
                                  << "";
    QTest::newRow("frame") << 10 << 12 << QPoint(5, 5) << ""
                           << ""
                           << "";
    QTest::newRow("beyond the last cell") << 10 << 13 << QPoint(10 + 13 * 36, 100) << ""
                                          << ""
                                          << "";
    QTest::newRow("15 at m = 12: last inner edge") << 12 << 15 << QPoint(12 + 14 * 38 - 2, 12 + 3) << "13,0"
                                                   << "V13,0"
                                                   << "";
}

void TestFieldGeometry::hitTest()
{
    QFETCH(int, unit);
    QFETCH(int, size);
    QFETCH(QPoint, point);
    const FieldGeometry g = FieldGeometry::compute(unit, size);
    const auto cell = g.cellAt(point);
    QTEST(cell ? QStringLiteral("%1,%2").arg(cell->column).arg(cell->row) : QString(), "cell");
    const auto text = [](const std::optional<WallVariant> &edge) {
        return edge ? QStringLiteral("%1%2,%3").arg(edge->orientation).arg(edge->column).arg(edge->row)
                    : QString();
    };
    QTEST(text(g.edgeAt(point)), "edge");
    QTEST(text(g.edgeAt(point, true)), "horizontalEdge");
}

QTEST_APPLESS_MAIN(TestFieldGeometry)
#include "tst_fieldgeometry.moc"
