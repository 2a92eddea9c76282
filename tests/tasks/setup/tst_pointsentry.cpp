#include "tasks/setup/pointsentry.h"

#include <QtTest>

class TestPointsEntry : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void refused_data();
    void refused();
    void headings_data();
    void headings();
};

namespace {

PointsEntry entryOf(bool startSet, const QString &ax, const QString &ay, bool pointBSet, const QString &bx,
                    const QString &by)
{
    PointsEntry entry;
    entry.startSet = startSet;
    entry.startColumn = ax;
    entry.startRow = ay;
    entry.startHeading = 180;
    entry.pointBSet = pointBSet;
    entry.pointBColumn = bx;
    entry.pointBRow = by;
    return entry;
}

} // namespace

void TestPointsEntry::reading_data()
{
    QTest::addColumn<PointsEntry>("entry");
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<StartPosition>("start");
    QTest::addColumn<CellPosition>("pointB");

    QTest::newRow("initial values") << PointsEntry{} << 12 << StartPosition{0, 0, 0} << CellPosition{-1, -1};
    QTest::newRow("both points") << entryOf(true, "3", "4", true, "10", "11") << 12
                                 << StartPosition{3, 4, 180} << CellPosition{10, 11};
    QTest::newRow("blanks around a number")
        << entryOf(true, " 7", "8 ", false, "", "") << 13 << StartPosition{7, 8, 180} << CellPosition{-1, -1};
    // A point switched off reads none of its fields, whatever they hold.
    QTest::newRow("start off") << entryOf(false, "abc", "99", true, "1", "2") << 12
                               << StartPosition{-1, -1, -1} << CellPosition{1, 2};
    QTest::newRow("last cell of 15") << entryOf(true, "14", "14", true, "0", "14") << 15
                                     << StartPosition{14, 14, 180} << CellPosition{0, 14};
}

void TestPointsEntry::reading()
{
    QFETCH(PointsEntry, entry);
    QFETCH(int, fieldSize);
    QFETCH(StartPosition, start);
    QFETCH(CellPosition, pointB);

    const PointsReading reading = readPointsEntry(entry, fieldSize);
    QVERIFY2(reading.isOk(), qPrintable(reading.error));
    QCOMPARE(reading.start, start);
    QCOMPARE(reading.pointB, pointB);
}

void TestPointsEntry::refused_data()
{
    QTest::addColumn<PointsEntry>("entry");
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("error");

    QTest::newRow("not a number")
        << entryOf(true, "abc", "1", false, "", "") << 12 << int(PointsEntry::StartColumn)
        << "В поле X= точки А должно быть целое число от 0 до 11, а введено \"abc\".";
    QTest::newRow("beyond the field")
        << entryOf(true, "1", "12", false, "", "") << 12 << int(PointsEntry::StartRow)
        << "В поле Y= точки А должно быть целое число от 0 до 11, а введено \"12\".";
    QTest::newRow("negative") << entryOf(true, "1", "1", true, "-1", "0") << 13
                              << int(PointsEntry::PointBColumn)
                              << "В поле X= точки Б должно быть целое число от 0 до 12, а введено \"-1\".";
    QTest::newRow("empty") << entryOf(true, "1", "1", true, "0", "") << 14 << int(PointsEntry::PointBRow)
                           << "В поле Y= точки Б должно быть целое число от 0 до 13, а введено \"\".";
    QTest::newRow("too large for 16 bits")
        << entryOf(true, "70000", "1", false, "", "") << 15 << int(PointsEntry::StartColumn)
        << "В поле X= точки А должно быть целое число от 0 до 14, а введено \"70000\".";
    QTest::newRow("the first bad field is named")
        << entryOf(true, "x", "y", true, "z", "w") << 12 << int(PointsEntry::StartColumn)
        << "В поле X= точки А должно быть целое число от 0 до 11, а введено \"x\".";
}

void TestPointsEntry::refused()
{
    QFETCH(PointsEntry, entry);
    QFETCH(int, fieldSize);
    QFETCH(int, badField);
    QFETCH(QString, error);

    const PointsReading reading = readPointsEntry(entry, fieldSize);
    QVERIFY(!reading.isOk());
    QCOMPARE(int(reading.badField), badField);
    QCOMPARE(reading.error, error);
}

void TestPointsEntry::headings_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("heading");

    QTest::newRow("none") << -1 << 0;
    QTest::newRow("вправо") << 0 << 0;
    QTest::newRow("вверх") << 1 << 90;
    QTest::newRow("влево") << 2 << 180;
    QTest::newRow("вниз") << 3 << 270;
}

void TestPointsEntry::headings()
{
    QFETCH(int, item);
    QFETCH(int, heading);
    QCOMPARE(int(headingOfItem(item)), heading);
}

QTEST_APPLESS_MAIN(TestPointsEntry)
#include "tst_pointsentry.moc"
