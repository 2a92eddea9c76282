#include "common/textencoding.h"
#include "editor/algorithmline.h"
#include "editor/algorithmstatistics.h"

#include "editor/workedexample.h"

#include <QTest>

namespace {

QString repeat(int n, char ch)
{
    return QString(n, QLatin1Char(ch));
}

// The recounted rows, assembled from the panel's blank and dot counts.
QStringList recountedRows(int commands, int procedures, int calls, int branches, int loops, int lines)
{
    return {
        " Всего в алгоритме:",
        repeat(19, ' '),
        "команд" + repeat(5, ' ') + repeat(14, '.') + QString::number(commands),
        "процедур" + repeat(3, ' ') + repeat(14, '.') + QString::number(procedures),
        "вызовов процедур " + QString::number(calls),
        "ветвлений" + repeat(2, ' ') + repeat(13, '.') + QString::number(branches),
        "циклов" + repeat(6, ' ') + repeat(14, '.') + QString::number(loops),
        repeat(19, ' '),
        "Итого:" + repeat(2, ' ') + "строк" + repeat(3, ' ') + repeat(6, '.') + QString::number(lines),
    };
}

QStringList withBody(const QStringList &body, const QStringList &procedures = {})
{
    return algorithmSkeleton(true).mid(0, 4) + body + QStringList{"КОН"} + procedures;
}

} // namespace

class TestAlgorithmStatistics : public QObject
{
    Q_OBJECT

private slots:
    void resetRows();
    void recount_data();
    void recount();
    void rowsAreWindows1251();
};

void TestAlgorithmStatistics::resetRows()
{
    const QStringList expected{
        " Всего в алгоритме:",
        repeat(19, ' '),
        "команд" + repeat(6, ' ') + repeat(13, '.') + "0",
        "процедур" + repeat(6, ' ') + repeat(11, '.') + "0",
        "вызовов процедур 0",
        "ветвлений" + repeat(4, ' ') + repeat(11, '.') + "0",
        "циклов" + repeat(8, ' ') + repeat(12, '.') + "0",
        repeat(19, ' '),
        "Итого:" + repeat(2, ' ') + "строк" + repeat(3, ' ') + repeat(5, '.') + "5",
    };
    QCOMPARE(resetStatistics(), expected);
    // The bare skeleton recounted shows the same counts in the other spacing.
    QCOMPARE(updateStatistics(algorithmSkeleton(true)), recountedRows(0, 0, 0, 0, 0, 5));
    QVERIFY(resetStatistics() != updateStatistics(algorithmSkeleton(true)));
}

void TestAlgorithmStatistics::recount_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("skeleton with point Б") << algorithmSkeleton(true) << recountedRows(0, 0, 0, 0, 0, 5);
    QTest::newRow("skeleton with pattern") << algorithmSkeleton(false) << recountedRows(0, 0, 0, 0, 0, 5);
    QTest::newRow("one branch") << withBody(
        {"    ЕСЛИ впереди стена", "       ТО", "       ИНАЧЕ", "    ВСЁ"})
                                << recountedRows(0, 0, 0, 1, 0, 9);
    QTest::newRow("one loop") << withBody({"    ПОКА впереди НЕ стена", "    НЦ", "    КЦ"})
                              << recountedRows(0, 0, 0, 0, 1, 8);
    QTest::newRow("one procedure description")
        << withBody({}, {"ПРОЦЕДУРА угол", "КОНЕЦ ПРОЦЕДУРЫ"}) << recountedRows(0, 1, 0, 0, 0, 7);
    QTest::newRow("call of a new procedure")
        << withBody({"    ДЕЛАЙ угол"}, {"ПРОЦЕДУРА угол", "КОНЕЦ ПРОЦЕДУРЫ"})
        << recountedRows(0, 1, 1, 0, 0, 8);
    QTest::newRow("three commands") << withBody({"    ШАГ", "    ПРЫЖОК", "    ПОВОРОТ"})
                                    << recountedRows(3, 0, 0, 0, 0, 8);
    QTest::newRow("ШАГ with a trailing blank is a line only")
        << withBody({"    ШАГ "}) << recountedRows(0, 0, 0, 0, 0, 6);
    QTest::newRow("blank line and comment count nothing")
        << withBody({"", "   ", "//обход", "    // с отступом"}) << recountedRows(0, 0, 0, 0, 0, 5);
    QTest::newRow("lower-case keywords are lines only")
        << withBody({"    шаг", "    если впереди стена"}) << recountedRows(0, 0, 0, 0, 0, 7);
    QTest::newRow("worked example") << workedExample << recountedRows(3, 1, 1, 1, 1, 18);
    QTest::newRow("counts of two digits") << withBody(
        QStringList(12, "    ШАГ") + QStringList(10, "    ДЕЛАЙ п"), {"ПРОЦЕДУРА п", "КОНЕЦ ПРОЦЕДУРЫ"})
                                          << recountedRows(12, 1, 10, 0, 0, 29);
    QTest::newRow("empty text") << QStringList() << recountedRows(0, 0, 0, 0, 0, 0);
    QTest::newRow("single blank line") << QStringList{""} << recountedRows(0, 0, 0, 0, 0, 0);
}

void TestAlgorithmStatistics::recount()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, rows);
    QCOMPARE(updateStatistics(lines), rows);
}

void TestAlgorithmStatistics::rowsAreWindows1251()
{
    const QStringList rows = resetStatistics() + updateStatistics(algorithmSkeleton(true));
    for (const QString &row : rows) {
        const auto bytes = encodeWindows1251(row);
        QVERIFY2(bytes.has_value(), qPrintable(row));
        QCOMPARE(bytes->size(), row.size());
    }
}

QTEST_GUILESS_MAIN(TestAlgorithmStatistics)
#include "tst_algorithmstatistics.moc"
