#include "app/work/worklayout.h"

#include <QTest>

class TestWorkLayout : public QObject
{
    Q_OBJECT

private slots:
    void layoutUnit_data();
    void layoutUnit();
    void geometry_data();
    void geometry();
};

void TestWorkLayout::layoutUnit_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("availableHeight");
    QTest::addColumn<int>("expected");
    QTest::newRow("1024 x 768") << 1024 << 768 << 10;
    QTest::newRow("1280 x 1024") << 1280 << 1024 << 12;
    QTest::newRow("1366 x 768 limited by height") << 1366 << 768 << 11;
    QTest::newRow("1920 x 1080 limited by height") << 1920 << 1080 << 16;
    QTest::newRow("1920 x 1200") << 1920 << 1200 << 18;
    QTest::newRow("2560 x 1440") << 2560 << 1440 << 23;
    QTest::newRow("800 x 600") << 800 << 600 << 7;
}

void TestWorkLayout::layoutUnit()
{
    QFETCH(int, screenWidth);
    QFETCH(int, availableHeight);
    QFETCH(int, expected);
    constexpr int chrome = 64;
    const int m = WorkLayout::layoutUnitFor(screenWidth, availableHeight, chrome);
    QCOMPARE(m, expected);
    QVERIFY(WorkLayout::compute(m).clientHeight + chrome <= availableHeight);
    QVERIFY(m <= screenWidth / 100);
}

void TestWorkLayout::geometry_data()
{
    QTest::addColumn<int>("m");
    QTest::addColumn<QRect>("taskPanel");
    QTest::addColumn<QRect>("commandPanel");
    QTest::addColumn<QRect>("algorithmList");
    QTest::addColumn<QRect>("fieldFrame");
    QTest::addColumn<QRect>("statistics");
    QTest::newRow("m = 10") << 10 << QRect(10, 36, 777, 49) << QRect(10, 95, 121, 300)
                            << QRect(141, 95, 290, 520) << QRect(441, 95, 520, 520)
                            << QRect(10, 486, 121, 129);
    QTest::newRow("m = 16") << 16 << QRect(16, 42, 777, 49) << QRect(16, 107, 121, 300)
                            << QRect(153, 107, 464, 832) << QRect(633, 107, 832, 832)
                            << QRect(16, 810, 121, 129);
}

void TestWorkLayout::geometry()
{
    QFETCH(int, m);
    const WorkLayout layout = WorkLayout::compute(m);
    QTEST(layout.taskPanel, "taskPanel");
    QTEST(layout.commandPanel, "commandPanel");
    QTEST(layout.algorithmList, "algorithmList");
    QTEST(layout.fieldFrame, "fieldFrame");
    QTEST(layout.statistics, "statistics");
    // The status bar follows a margin below the field frame.
    QCOMPARE(layout.clientHeight, layout.fieldFrame.bottom() + 1 + m + 22);
    QVERIFY(layout.clientWidth >= layout.fieldFrame.right() + 1 + m);
}

QTEST_APPLESS_MAIN(TestWorkLayout)
#include "tst_worklayout.moc"
