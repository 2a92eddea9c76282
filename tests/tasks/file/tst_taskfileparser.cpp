#include "tasks/file/taskfileparser.h"

#include <QtTest>

namespace {

QString lines(const QStringList &rows)
{
    return rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// A task with the given header and size part and a one-line statement.
QString task(const QString &header, const QStringList &sizePart)
{
    return lines(QStringList{header, QStringLiteral("Условие"), QStringLiteral("Z")} + sizePart);
}

QString formatWalls(const QList<CellPosition> &walls)
{
    QStringList items;
    for (const CellPosition &w : walls)
        items.append(QStringLiteral("%1:%2").arg(w.column).arg(w.row));
    return items.join(u' ');
}

QString formatVariableWalls(const QList<VariableWall> &walls)
{
    QStringList items;
    for (const VariableWall &w : walls) {
        items.append(QStringLiteral("%1%2:%3/%4%5:%6")
                         .arg(w.variant1.orientation)
                         .arg(w.variant1.column)
                         .arg(w.variant1.row)
                         .arg(w.variant2.orientation)
                         .arg(w.variant2.column)
                         .arg(w.variant2.row));
    }
    return items.join(u' ');
}

QString formatStart(const TaskSizeData &size)
{
    return QStringLiteral("%1:%2@%3 B%4:%5")
        .arg(size.start.column)
        .arg(size.start.row)
        .arg(size.start.heading)
        .arg(size.pointB.column)
        .arg(size.pointB.row);
}

// "1100" for the four sizes 12..15.
QString formatFlags(const std::array<bool, 4> &flags)
{
    QString text;
    for (bool flag : flags)
        text.append(flag ? u'1' : u'0');
    return text;
}

const QString noB = QStringLiteral("# 176 1 0");
const QString withB = QStringLiteral("# 176 1 1  300");
const QString badTaskFile = QStringLiteral("Ошибка в файле задач");
const QString developers = QStringLiteral("Ошибка. Обратитесь к разработчикам");
const QString systemCaption = QStringLiteral("SHAGAIKA_ZERID");

QString notInteger(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

} // namespace

class TestTaskFileParser : public QObject
{
    Q_OBJECT

private slots:
    void exampleFile();
    void numberField_data();
    void numberField();
    void header_data();
    void header();
    void headerLabelAndReservedNumber_data();
    void headerLabelAndReservedNumber();
    void statement_data();
    void statement();
    void sizeSections_data();
    void sizeSections();
    void sectionRecords_data();
    void sectionRecords();
    void failures_data();
    void failures();
    void partialTaskSurvivesFailure();
};

void TestTaskFileParser::exampleFile()
{
    const QString text = lines({
        QStringLiteral("# 176 1 1  300"),
        QStringLiteral("Разработайте алгоритм для рисования буквы \"Т\"."),
        QStringLiteral("Исходное положение Шагайки: в точке А, направление - направо."),
        QStringLiteral("Z"),
        QStringLiteral("0  3  3   0  5  7"),
        QStringLiteral("H"),
        QStringLiteral("  3  4  5  4"),
        QStringLiteral("P"),
        QStringLiteral(" H  3  4 V  5  6"),
        QStringLiteral("E"),
    });
    const TaskFileResult result = parseTaskFile(text);
    QVERIFY(result.isOk());
    const TaskData &t = result.task;
    QVERIFY(t.hasPattern);
    QVERIFY(t.hasPointB);
    QCOMPARE(t.statement,
             QStringList({QStringLiteral("Разработайте алгоритм для рисования буквы \"Т\"."),
                          QStringLiteral("Исходное положение Шагайки: в точке А, направление - направо.")}));
    QCOMPARE(formatStart(t.size(12)), QStringLiteral("3:3@0 B5:7"));
    QCOMPARE(formatWalls(t.size(12).walls.horizontal), QStringLiteral("3:4 5:4"));
    QVERIFY(t.size(12).walls.vertical.isEmpty());
    QCOMPARE(formatVariableWalls(t.size(12).walls.variable), QStringLiteral("H3:4/V5:6"));
    QCOMPARE(formatFlags(t.describedSizes), QStringLiteral("1000"));
    QCOMPARE(formatFlags(t.sizeItemEnabled), QStringLiteral("1111"));
    QVERIFY(!t.sizeMenuEnabled);
    for (int n = 13; n <= 15; ++n)
        QCOMPARE(t.size(n), TaskSizeData{});
}

void TestTaskFileParser::numberField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "7" << true << 7;
    QTest::newRow("leading blank") << " 3" << true << 3;
    QTest::newRow("leading zeros") << "0300" << true << 300;
    QTest::newRow("negative") << "-1" << true << -1;
    QTest::newRow("plus sign") << "+2" << true << 2;
    QTest::newRow("blank and sign") << " -5" << true << -5;
    QTest::newRow("trailing blank") << "3 " << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "  " << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("blank after sign") << "- 1" << false << 0;
    QTest::newRow("letter") << "1a" << false << 0;
    QTest::newRow("hexadecimal") << "$1F" << false << 0;
    QTest::newRow("tab") << "\t3" << false << 0;
    QTest::newRow("non-Latin digit") << QStringLiteral("٣") << false << 0;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("smallest") << "-32768" << true << -32768;
    QTest::newRow("too large") << "32768" << false << 0;
}

void TestTaskFileParser::numberField()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = parseFieldNumber(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(int(*parsed), value);
}

void TestTaskFileParser::header_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<bool>("hasPattern");
    QTest::addColumn<bool>("hasPointB");

    QTest::newRow("both") << "# 176 1 1  300" << true << true;
    QTest::newRow("pattern only") << "# 176 1 0  300" << true << false;
    QTest::newRow("point B only") << "# 176 0 1  300" << false << true;
    QTest::newRow("other digits clear") << "# 176 2 9  300" << false << false;
    QTest::newRow("ends after column 9") << "# 176 1 1" << true << true;
    QTest::newRow("13 characters, no reserved number") << "# 176 1 1  30" << true << true;
    QTest::newRow("reserved number with zeros") << "# 176 0 0 0300" << false << false;
    QTest::newRow("rest ignored") << "# 176 1 1  300 anything" << true << true;
    QTest::newRow("any characters before") << "XYZWVU1U1U" << true << true;
}

void TestTaskFileParser::header()
{
    QFETCH(QString, header);
    QFETCH(bool, hasPattern);
    QFETCH(bool, hasPointB);
    const TaskFileResult result =
        parseTaskFile(task(header,
                           {hasPointB ? QStringLiteral("0  1  2  90  4  5") : QStringLiteral("0  1  2  90"),
                            QStringLiteral("E")}));
    QVERIFY2(result.isOk(), qPrintable(result.error ? result.error->message : QString()));
    QCOMPARE(result.task.hasPattern, hasPattern);
    QCOMPARE(result.task.hasPointB, hasPointB);
    QCOMPARE(formatStart(result.task.size(12)),
             hasPointB ? QStringLiteral("1:2@90 B4:5") : QStringLiteral("1:2@90 B0:0"));
}

void TestTaskFileParser::headerLabelAndReservedNumber_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("reserved");

    QTest::newRow("usual") << "# 176 1 1  300"
                           << "176" << 300;
    QTest::newRow("other number") << "# 001 0 1  512"
                                  << "001" << 512;
    QTest::newRow("leading zeros") << "# 001 0 1 0042"
                                   << "001" << 42;
    QTest::newRow("no reserved number: 300") << "# 7a  1 1"
                                             << "7a " << 300;
    QTest::newRow("13 characters: 300") << "#     1 1  30"
                                        << "   " << 300;
}

void TestTaskFileParser::headerLabelAndReservedNumber()
{
    QFETCH(QString, header);
    const TaskFileResult result = parseTaskFile(task(header, {"0  1  2 180  3  4", "E"}));
    QVERIFY(result.isOk());
    QTEST(result.task.headerLabel, "label");
    QTEST(int(result.task.reservedNumber), "reserved");
}

void TestTaskFileParser::statement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("statement");

    const QStringList section{QStringLiteral("0  0  0   0"), QStringLiteral("E")};
    QTest::newRow("two lines") << lines(QStringList{noB, "one", "two", "Z"} + section)
                               << QStringList{"one", "two"};
    QTest::newRow("empty lines skipped everywhere")
        << lines(QStringList{"", noB, "", "", "one", "", "two", "", "Z", ""} + section)
        << QStringList{"one", "two"};
    QTest::newRow("blank-only line kept")
        << lines(QStringList{noB, "one", "   ", "two", "Z"} + section) << QStringList{"one", "   ", "two"};
    QTest::newRow("leading blanks kept")
        << lines(QStringList{noB, "  indented", "Z"} + section) << QStringList{"  indented"};
    QTest::newRow("rest of Z line ignored")
        << lines(QStringList{noB, "one", "Zone"} + section) << QStringList{"one"};
    QTest::newRow("Cyrillic Ze does not end")
        << lines(QStringList{noB, QStringLiteral("Задача"), QStringLiteral("З"), "Z"} + section)
        << QStringList{QStringLiteral("Задача"), QStringLiteral("З")};
    QTest::newRow("lower-case z does not end")
        << lines(QStringList{noB, "zero", "Z"} + section) << QStringList{"zero"};
    QTest::newRow("blank before Z does not end")
        << lines(QStringList{noB, " Z", "Z"} + section) << QStringList{" Z"};
    QTest::newRow("no statement") << lines(QStringList{noB, "Z"} + section) << QStringList{};
    QTest::newRow("LF breaks") << (QStringList{noB, "one", "Z"} + section).join(u'\n') << QStringList{"one"};
    QTest::newRow("CR breaks") << (QStringList{noB, "one", "Z"} + section).join(u'\r') << QStringList{"one"};
    QTest::newRow("mixed breaks, no final break")
        << QStringLiteral("# 176 1 0\r\none\rtwo\n\r\nZ\n0  0  0   0\r\nE") << QStringList{"one", "two"};
}

void TestTaskFileParser::statement()
{
    QFETCH(QString, text);
    QFETCH(QStringList, statement);
    const TaskFileResult result = parseTaskFile(text);
    QVERIFY2(result.isOk(), qPrintable(result.error ? result.error->message : QString()));
    QCOMPARE(result.task.statement, statement);
}

void TestTaskFileParser::sizeSections_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("described");
    QTest::addColumn<QString>("itemsEnabled");
    QTest::addColumn<bool>("menuEnabled");
    // formatStart of sizes 12..15, separated by "|".
    QTest::addColumn<QString>("starts");

    const QString zero = QStringLiteral("0:0@0 B0:0");
    QTest::newRow("single size") << task(noB, {"0  1  2 180", "E"}) << "1000"
                                 << "1111" << false
                                 << QStringList{"1:2@180 B0:0", zero, zero, zero}.join(u'|');
    QTest::newRow("single size, rest of file not read")
        << task(noB, {"0  1  2 180", "E", "garbage", "2  1  1   0", "E", "F"}) << "1000"
        << "1111" << false << QStringList{"1:2@180 B0:0", zero, zero, zero}.join(u'|');
    QTest::newRow("all four sizes")
        << task(withB,
                {"1  0  1   0  2  3", "E", "2  1  2  90  3  4", "E", "3  2  3 180  4  5", "E",
                 "4 14 14 270 14 14", "E", "F"})
        << "1111"
        << "1111" << true
        << QStringList{"0:1@0 B2:3", "1:2@90 B3:4", "2:3@180 B4:5", "14:14@270 B14:14"}.join(u'|');
    QTest::newRow("sizes 2 and 4 only")
        << task(withB, {"2  1  2  90  3  4", "E", "4  5  6 270  7  8", "E", "F"}) << "0101"
        << "0101" << true << QStringList{zero, "1:2@90 B3:4", zero, "5:6@270 B7:8"}.join(u'|');
    QTest::newRow("empty lines between sections")
        << task(noB, {"", "3  1  1   0", "", "E", "", "", "F"}) << "0010"
        << "0010" << true << QStringList{zero, zero, "1:1@0 B0:0", zero}.join(u'|');
    QTest::newRow("no section at all") << task(noB, {"F"}) << "0000"
                                       << "0000" << true << QStringList{zero, zero, zero, zero}.join(u'|');
    QTest::newRow("section described twice keeps the second")
        << task(noB, {"1  1  1   0", "E", "1  2  2  90", "E", "F"}) << "1000"
        << "1000" << true << QStringList{"2:2@90 B0:0", zero, zero, zero}.join(u'|');
    for (const char code : {'5', '6', '7', '8', '9', '0'}) {
        // The header of a size outside 12..15 is consumed alone; the next line is the next header.
        QTest::addRow("code %c consumes its header", code)
            << task(noB,
                    {QStringLiteral("1  1  1   0"), QStringLiteral("E"),
                     QString(QLatin1Char(code)) + QStringLiteral("  9  9   0"), QStringLiteral("2  3  3   0"),
                     QStringLiteral("E"), QStringLiteral("F")})
            << "1100"
            << "1100" << true << QStringList{"1:1@0 B0:0", "3:3@0 B0:0", zero, zero}.join(u'|');
    }
    QTest::newRow("code 5 right before F")
        << task(noB, {"5", "F"}) << "0000"
        << "0000" << true << QStringList{zero, zero, zero, zero}.join(u'|');
    QTest::newRow("start on the last cell of its size")
        << task(noB, {"2 12 12   0", "E", "F"}) << "0100"
        << "0100" << true << QStringList{zero, "12:12@0 B0:0", zero, zero}.join(u'|');
    QTest::newRow("start of -1 kept, it stands for 0")
        << task(noB, {"0 -1 -1  -1", "E"}) << "1000"
        << "1111" << false << QStringList{"-1:-1@-1 B0:0", zero, zero, zero}.join(u'|');
    QTest::newRow("point B outside the field kept")
        << task(withB, {"0  0  0   0 20 -1", "E"}) << "1000"
        << "1111" << false << QStringList{"0:0@0 B20:-1", zero, zero, zero}.join(u'|');
    QTest::newRow("header fields cut short read what is present")
        << task(withB, {"0  1  2  90  3  4", "E"}) << "1000"
        << "1111" << false << QStringList{"1:2@90 B3:4", zero, zero, zero}.join(u'|');
    QTest::newRow("point B row cut to one character")
        << task(withB, {"0  1  2  90  3 7", "E"}) << "1000"
        << "1111" << false << QStringList{"1:2@90 B3:7", zero, zero, zero}.join(u'|');
    QTest::newRow("heading cut to two characters")
        << task(noB, {"0  1  2  90", "E"}) << "1000"
        << "1111" << false << QStringList{"1:2@90 B0:0", zero, zero, zero}.join(u'|');
    QTest::newRow("heading with leading zeros, rest ignored")
        << task(noB, {"0 01 02 090 whatever", "E"}) << "1000"
        << "1111" << false << QStringList{"1:2@90 B0:0", zero, zero, zero}.join(u'|');
}

void TestTaskFileParser::sizeSections()
{
    QFETCH(QString, text);
    QFETCH(QString, described);
    QFETCH(QString, itemsEnabled);
    QFETCH(bool, menuEnabled);
    QFETCH(QString, starts);
    const TaskFileResult result = parseTaskFile(text);
    QVERIFY2(result.isOk(), qPrintable(result.error ? result.error->message : QString()));
    QCOMPARE(formatFlags(result.task.describedSizes), described);
    QCOMPARE(formatFlags(result.task.sizeItemEnabled), itemsEnabled);
    QCOMPARE(result.task.sizeMenuEnabled, menuEnabled);
    QStringList actual;
    for (int n = 12; n <= 15; ++n)
        actual.append(formatStart(result.task.size(n)));
    QCOMPARE(actual.join(u'|'), starts);
    for (int n = 12; n <= 15; ++n) {
        if (!result.task.offersSize(n))
            QCOMPARE(result.task.size(n).walls, WallSet{});
    }
}

void TestTaskFileParser::sectionRecords_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("variable");

    QTest::newRow("no records") << QStringList{} << ""
                                << ""
                                << "";
    QTest::newRow("one item") << QStringList{"H", "  3  4"} << "3:4"
                              << ""
                              << "";
    QTest::newRow("12-character row gives two") << QStringList{"V", "  3  4  5  6"} << ""
                                                << "3:4 5:6"
                                                << "";
    for (int extra = 1; extra <= 5; ++extra) {
        QTest::addRow("12 characters and %d more give two", extra)
            << QStringList{"H", QStringLiteral("  3  4  5  6") + QString(extra, u'9')} << "3:4 5:6"
            << ""
            << "";
    }
    QTest::newRow("18 characters give three") << QStringList{"H", "  3  4  5  6 10 11"} << "3:4 5:6 10:11"
                                              << ""
                                              << "";
    QTest::newRow("separators not read") << QStringList{"H", "X03Y04|05|06"} << "3:4 5:6"
                                         << ""
                                         << "";
    QTest::newRow("short row gives none") << QStringList{"H", "  3  "} << ""
                                          << ""
                                          << "";
    QTest::newRow("records accumulate")
        << QStringList{"H", "  1  1", "V", "  2  2", "H", "  3  3", "V", "  4  4"} << "1:1 3:3"
        << "2:2 4:4"
        << "";
    QTest::newRow("empty lines between records")
        << QStringList{"", "H", "", "", "  1  1", "", "P", "", " H  1  2 V  3  4", ""} << "1:1"
        << ""
        << "H1:2/V3:4";
    QTest::newRow("H consumes an E line") << QStringList{"H", "E", "V", "  2  2"} << ""
                                          << "2:2"
                                          << "";
    QTest::newRow("one variable wall") << QStringList{"P", " V  1  1 V  1  2"} << ""
                                       << ""
                                       << "V1:1/V1:2";
    QTest::newRow("other record lines ignored")
        << QStringList{"X", "h", " H", "   ", "Конец", "Hx  anything", "  5  5"} << "5:5"
        << ""
        << "";
    QTest::newRow("walls outside the field kept") << QStringList{"H", " 20 -1", "V", " 99 12"} << "20:-1"
                                                  << "99:12"
                                                  << "";
    QTest::newRow("three variable walls")
        << QStringList{"P", " H  1  1 H  2  2", "P", " V  3  3 V  4  4", "P", " H  5  5 V  6  6"} << ""
        << ""
        << "H1:1/H2:2 V3:3/V4:4 H5:5/V6:6";
    QTest::newRow("orientation letters kept as read") << QStringList{"P", " X  1  1 h  2  2"} << ""
                                                      << ""
                                                      << "X1:1/h2:2";
    QTest::newRow("variable wall line rest ignored") << QStringList{"P", " H  1  1 V  2  2 rest"} << ""
                                                     << ""
                                                     << "H1:1/V2:2";
    QTest::newRow("variable wall row cut to one character") << QStringList{"P", " H  1  1 V  2  7"} << ""
                                                            << ""
                                                            << "H1:1/V2:7";
}

void TestTaskFileParser::sectionRecords()
{
    QFETCH(QStringList, records);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);
    QFETCH(QString, variable);
    const TaskFileResult result =
        parseTaskFile(task(noB, QStringList{"0  1  1   0"} + records + QStringList{"E"}));
    QVERIFY2(result.isOk(), qPrintable(result.error ? result.error->message : QString()));
    const WallSet &walls = result.task.size(12).walls;
    QCOMPARE(formatWalls(walls.horizontal), horizontal);
    QCOMPARE(formatWalls(walls.vertical), vertical);
    QCOMPARE(formatVariableWalls(walls.variable), variable);
}

void TestTaskFileParser::failures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    // End of the file where a line is needed: reported on the line after the last.
    QTest::newRow("empty file") << "" << badTaskFile << developers << 1 << 1;
    QTest::newRow("only empty lines") << "\r\n\r\n" << badTaskFile << developers << 3 << 1;
    QTest::newRow("header only") << lines({noB}) << badTaskFile << developers << 2 << 1;
    QTest::newRow("statement without Z") << lines({noB, "one", "two"}) << badTaskFile << developers << 4 << 1;
    QTest::newRow("Cyrillic Ze only")
        << lines({noB, QStringLiteral("З")}) << badTaskFile << developers << 3 << 1;
    QTest::newRow("nothing after Z") << lines({noB, "one", "Z", ""}) << badTaskFile << developers << 5 << 1;
    QTest::newRow("single size without E")
        << task(noB, {"0  1  1   0", "H", "  1  1"}) << badTaskFile << developers << 7 << 1;
    QTest::newRow("multi-size without F")
        << task(noB, {"1  1  1   0", "E"}) << badTaskFile << developers << 6 << 1;
    QTest::newRow("multi-size section without E")
        << task(noB, {"1  1  1   0", "V", "  1  1"}) << badTaskFile << developers << 7 << 1;
    QTest::newRow("H at the end") << task(noB, {"0  1  1   0", "H"}) << badTaskFile << developers << 6 << 1;
    QTest::newRow("H consumed the only E")
        << task(noB, {"0  1  1   0", "H", "E"}) << badTaskFile << developers << 7 << 1;
    QTest::newRow("P at the end") << task(noB, {"0  1  1   0", "P", ""}) << badTaskFile << developers << 7
                                  << 1;

    // Number fields.
    QTest::newRow("header shorter than 7")
        << lines({"# 176", "Z"}) << notInteger("") << systemCaption << 1 << 7;
    QTest::newRow("header shorter than 9")
        << lines({"# 176 1", "Z"}) << notInteger("") << systemCaption << 1 << 9;
    QTest::newRow("header of 8 characters")
        << lines({"# 176 1 ", "Z"}) << notInteger("") << systemCaption << 1 << 9;
    QTest::newRow("letter in column 7")
        << lines({"# 176 x 1", "Z"}) << notInteger("x") << systemCaption << 1 << 7;
    QTest::newRow("blank in column 9")
        << lines({"# 176 1  ", "Z"}) << notInteger(" ") << systemCaption << 1 << 9;
    QTest::newRow("bad reserved number")
        << lines({"# 176 1 1  3x0", "Z"}) << notInteger(" 3x0") << systemCaption << 1 << 11;
    QTest::newRow("reserved number with trailing blank")
        << lines({"# 176 1 1 30  ", "Z"}) << notInteger("30  ") << systemCaption << 1 << 11;
    QTest::newRow("reserved number after empty lines")
        << lines({"", "", "# 176 1 1 abcd"}) << notInteger("abcd") << systemCaption << 3 << 11;
    QTest::newRow("size code not a digit")
        << task(noB, {"X  1  1   0", "E", "F"}) << notInteger("X") << systemCaption << 4 << 1;
    QTest::newRow("line after code 5 is not a header")
        << task(noB, {"5  1  1   0", "H", "  1  1", "E", "F"}) << notInteger("H") << systemCaption << 5 << 1;
    QTest::newRow("section header shorter than 9")
        << task(noB, {"0  1  1", "E"}) << notInteger("") << systemCaption << 4 << 9;
    QTest::newRow("section header shorter than 3")
        << task(noB, {"0 ", "E"}) << notInteger("") << systemCaption << 4 << 3;
    QTest::newRow("section header shorter than 16 with point B")
        << task(withB, {"0  1  1   0  2", "E"}) << notInteger("") << systemCaption << 4 << 16;
    QTest::newRow("section header shorter than 13 with point B")
        << task(withB, {"0  1  1   0", "E"}) << notInteger("") << systemCaption << 4 << 13;
    QTest::newRow("trailing blank in start column")
        << task(noB, {"0 3   3   0", "E"}) << notInteger("3 ") << systemCaption << 4 << 3;
    QTest::newRow("letter in heading")
        << task(noB, {"0  3  3  9O", "E"}) << notInteger(" 9O") << systemCaption << 4 << 9;
    QTest::newRow("bad wall item") << task(noB, {"0  1  1   0", "H", "  1  1  x  2", "E"}) << notInteger(" x")
                                   << systemCaption << 6 << 8;
    QTest::newRow("bad wall row number")
        << task(noB, {"0  1  1   0", "V", "  1 1 ", "E"}) << notInteger("1 ") << systemCaption << 6 << 5;
    QTest::newRow("variable wall line shorter than 15")
        << task(noB, {"0  1  1   0", "P", " H  1  1 V  2 ", "E"}) << notInteger("") << systemCaption << 6
        << 15;
    QTest::newRow("variable wall line shorter than 12")
        << task(noB, {"0  1  1   0", "P", " H  1  1 V", "E"}) << notInteger("") << systemCaption << 6 << 12;
    QTest::newRow("variable wall consumed the E line")
        << task(noB, {"0  1  1   0", "P", "E"}) << notInteger("") << systemCaption << 6 << 4;

    // What no run could use.
    QTest::newRow("fourth variable wall")
        << task(noB,
                {"0  1  1   0", "P", " H  1  1 H  2  2", "P", " H  1  1 H  2  2", "P", " H  1  1 H  2  2", "",
                 "P", " H  1  1 H  2  2", "E"})
        << badTaskFile << developers << 12 << 1;
    QTest::newRow("start column beyond size 12")
        << task(noB, {"0 12  0   0", "E"}) << badTaskFile << developers << 4 << 3;
    QTest::newRow("start column beyond size 13")
        << task(noB, {"2 13  0   0", "E", "F"}) << badTaskFile << developers << 4 << 3;
    QTest::newRow("start row -2") << task(noB, {"0  0 -2   0", "E"}) << badTaskFile << developers << 4 << 6;
    QTest::newRow("start column -2") << task(noB, {"0 -2  0   0", "E"}) << badTaskFile << developers << 4
                                     << 3;
    QTest::newRow("start row beyond size 15")
        << task(noB, {"4  0 15   0", "E", "F"}) << badTaskFile << developers << 4 << 6;
    QTest::newRow("heading 45") << task(noB, {"0  0  0  45", "E"}) << badTaskFile << developers << 4 << 9;
    QTest::newRow("heading 360") << task(noB, {"0  0  0 360", "E"}) << badTaskFile << developers << 4 << 9;
    QTest::newRow("heading -2") << task(noB, {"0  0  0  -2", "E"}) << badTaskFile << developers << 4 << 9;
    QTest::newRow("bad start in a later section")
        << task(withB, {"1  0  0   0  1  1", "E", "", "3  0  0 271  1  1", "E", "F"}) << badTaskFile
        << developers << 7 << 9;
}

void TestTaskFileParser::failures()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QFETCH(int, line);
    QFETCH(int, column);
    const TaskFileResult result = parseTaskFile(text);
    QVERIFY(!result.isOk());
    QCOMPARE(result.error->message, message);
    QCOMPARE(result.error->caption, caption);
    QCOMPARE(result.error->line, line);
    QCOMPARE(result.error->column, column);
}

void TestTaskFileParser::partialTaskSurvivesFailure()
{
    const TaskFileResult result = parseTaskFile(
        task(withB, {"1  1  2  90  3  4", "H", "  5  6", "E", "2  1  1   0  1  1", "V", "  7"}));
    QVERIFY(!result.isOk());
    QCOMPARE(result.error->message, badTaskFile);
    QCOMPARE(result.task.statement, QStringList{QStringLiteral("Условие")});
    QCOMPARE(formatStart(result.task.size(12)), QStringLiteral("1:2@90 B3:4"));
    QCOMPARE(formatWalls(result.task.size(12).walls.horizontal), QStringLiteral("5:6"));
    QCOMPARE(formatFlags(result.task.sizeItemEnabled), QStringLiteral("1100"));
}

QTEST_APPLESS_MAIN(TestTaskFileParser)
#include "tst_taskfileparser.moc"
