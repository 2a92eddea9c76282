#include "cli/run/output/alignedrows.h"
#include "cli/run/output/resultjson.h"
#include "cli/run/output/resulttable.h"
#include "common/systemfilename.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

PassResult pass(QList<int> arrangement, RunEnd end, qint64 lines, qint64 elapsed, ExecutorState executor,
                QList<TraceSegment> trace = {})
{
    return {arrangement, end, lines, elapsed, executor, trace};
}

} // namespace

class TestResultFormat : public QObject
{
    Q_OBJECT

private slots:
    void jsonLine_data();
    void jsonLine();
    void jsonLineIsValidJson();
    void jsonString_data();
    void jsonString();
    void table_data();
    void table();
    void alignedRows_data();
    void alignedRows();
};

void TestResultFormat::jsonLine_data()
{
    QTest::addColumn<FileResult>("result");
    QTest::addColumn<QString>("line");

    QTest::newRow("two passes with walls and a trace")
        << FileResult{QStringLiteral("a.txt"),
                      12,
                      RunSpeed::Fastest,
                      RunEnd::Complete,
                      {pass({1, 1}, RunEnd::Complete, 57, 0, {3, 4, 90},
                            {{{2, 3}, {3, 3}}, {{3, 3}, {3, 4}}}),
                       pass({1, 2}, RunEnd::Complete, 9, 0, {0, 0, 0})}}
        << QStringLiteral(
               R"({"file": "a.txt", "size": 12, "speed": "fastest", "end": "complete", "passes": [)"
               R"({"arrangement": [1, 1], "end": "complete", "lines": 57, "elapsed_ms": 0, )"
               R"("executor": {"column": 3, "row": 4, "heading": 90}, "trace": [[2, 3, 3, 3], [3, 3, 3, 4]]}, )"
               R"({"arrangement": [1, 2], "end": "complete", "lines": 9, "elapsed_ms": 0, )"
               R"("executor": {"column": 0, "row": 0, "heading": 0}, "trace": []}]})");
    QTest::newRow("no variable walls, stopped by the limit")
        << FileResult{QStringLiteral("d.txt"),
                      14,
                      RunSpeed::Slow,
                      RunEnd::Stopped,
                      {pass({}, RunEnd::Stopped, 1000000, 123456789012, {5, 6, 270})}}
        << QStringLiteral(
               R"({"file": "d.txt", "size": 14, "speed": "slow", "end": "limit", "passes": [)"
               R"({"arrangement": [], "end": "limit", "lines": 1000000, "elapsed_ms": 123456789012, )"
               R"("executor": {"column": 5, "row": 6, "heading": 270}, "trace": []}]})");
    QTest::newRow("crash and error endings, middle speed")
        << FileResult{QStringLiteral("c.txt"),
                      13,
                      RunSpeed::Middle,
                      RunEnd::Error,
                      {pass({2, 1, 2}, RunEnd::Error, 3, 4060, {1, 0, 180})}}
        << QStringLiteral(R"({"file": "c.txt", "size": 13, "speed": "middle", "end": "error", "passes": [)"
                          R"({"arrangement": [2, 1, 2], "end": "error", "lines": 3, "elapsed_ms": 4060, )"
                          R"("executor": {"column": 1, "row": 0, "heading": 180}, "trace": []}]})");
    QTest::newRow("a run without any pass")
        << FileResult{QStringLiteral("x.txt"), 12, RunSpeed::Fastest, RunEnd::Crash, {}}
        << QStringLiteral(
               R"({"file": "x.txt", "size": 12, "speed": "fastest", "end": "crash", "passes": []})");
}

void TestResultFormat::jsonLine()
{
    QFETCH(FileResult, result);
    QTEST(resultJsonLine(result), "line");
}

void TestResultFormat::jsonLineIsValidJson()
{
    const FileResult result{QStringLiteral("работы/\"Иванов\"\\1.txt"),
                            12,
                            RunSpeed::Fastest,
                            RunEnd::Crash,
                            {pass({2}, RunEnd::Crash, 6, 400, {11, 5, 0}, {{{10, 5}, {11, 5}}})}};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(resultJsonLine(result).toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    QCOMPARE(object.value("file").toString(), result.file);
    QCOMPARE(object.value("end").toString(), QStringLiteral("crash"));
    const QJsonObject first = object.value("passes").toArray().at(0).toObject();
    QCOMPARE(first.value("elapsed_ms").toInteger(), 400);
    QCOMPARE(first.value("trace").toArray().at(0).toArray().at(2).toInt(), 11);
}

void TestResultFormat::jsonString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("literal");

    QTest::newRow("plain") << "a.txt"
                           << R"("a.txt")";
    QTest::newRow("quote and backslash") << R"(a"b\c)"
                                         << R"("a\"b\\c")";
    QTest::newRow("line breaks and tab") << "a\nb\rc\td"
                                         << R"("a\nb\rc\td")";
    QTest::newRow("other control character") << QString(QChar(1)) << R"("\u0001")";
    QTest::newRow("Cyrillic stays as it is") << "Иванов.txt"
                                             << R"("Иванов.txt")";
    QTest::newRow("byte of a name that is not UTF-8")
        << fileNameFromSystem(QByteArray("a\xff\xfe.txt")) << R"("a\udcff\udcfe.txt")";
    QTest::newRow("character outside the basic plane")
        << QStringLiteral("\U0001F600.txt") << QStringLiteral("\"\U0001F600.txt\"");
}

void TestResultFormat::jsonString()
{
    QFETCH(QString, text);
    QTEST(::jsonString(text), "literal");
}

void TestResultFormat::table_data()
{
    QTest::addColumn<QList<FileResult>>("results");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("two files, columns aligned, totals over the passes")
        << QList<FileResult>{{QStringLiteral("a.txt"),
                              12,
                              RunSpeed::Slow,
                              RunEnd::Complete,
                              {pass({1}, RunEnd::Complete, 7, 3500, {1, 2, 0}),
                               pass({2}, RunEnd::Complete, 8, 4000, {11, 10, 270})}},
                             {QStringLiteral("long-name.txt"),
                              12,
                              RunSpeed::Slow,
                              RunEnd::Crash,
                              {pass({}, RunEnd::Crash, 3, 5500, {0, 0, 90})}}}
        << QStringList{"file           end       passes  executor   lines  elapsed_ms",
                       "a.txt          complete  2       11 10 270  15     7500",
                       "long-name.txt  crash     1       0 0 90     3      5500",
                       "files: 2 (complete 1, crash 1)"};
    QTest::newRow("a run without passes")
        << QList<FileResult>{{QStringLiteral("e.txt"), 12, RunSpeed::Fastest, RunEnd::Error, {}}}
        << QStringList{"file   end    passes  executor  lines  elapsed_ms",
                       "e.txt  error  0       -         0      0", "files: 1 (error 1)"};
}

void TestResultFormat::table()
{
    QFETCH(QList<FileResult>, results);
    QTEST(resultTable(results), "lines");
}

void TestResultFormat::alignedRows_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("indent");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("columns padded to the widest cell, the last one not")
        << QList<QStringList>{{"a", "bbb", "c"}, {"dddd", "e", "ffff"}} << ""
        << QStringList{"a     bbb  c", "dddd  e    ffff"};
    QTest::newRow("indent before every line")
        << QList<QStringList>{{"x", "y"}, {"zz", "w"}} << "  " << QStringList{"  x   y", "  zz  w"};
    QTest::newRow("rows of different lengths")
        << QList<QStringList>{{"a", "b", "c"}, {"long"}} << "" << QStringList{"a     b  c", "long"};
    QTest::newRow("no blank at a line's end") << QList<QStringList>{{"a", ""}, {"bb", "c"}, {"d ", "e "}}
                                              << "" << QStringList{"a", "bb  c", "d   e"};
    QTest::newRow("no rows") << QList<QStringList>{} << "" << QStringList{};
}

void TestResultFormat::alignedRows()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, indent);
    QTEST(::alignedRows(rows, indent), "lines");
}

QTEST_GUILESS_MAIN(TestResultFormat)
#include "tst_resultformat.moc"
