// The parts the jury mode is built from: edges, reachability, the verdict rules, report
// helpers and the command line.
#include "cli/jury/jurymode.h"
#include "cli/jury/paralleljobs.h"
#include "cli/jury/report/jurycsv.h"
#include "cli/jury/report/juryreport.h"
#include "cli/jury/report/juryreportformats.h"
#include "cli/jury/report/jurytexts.h"
#include "cli/run/checkeroptions.h"
#include "judge/celledge.h"
#include "judge/verdictrule.h"
#include "tasks/check/reachability.h"

#include <QtTest>

#include <atomic>
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(CheckerMode)
Q_DECLARE_METATYPE(RunEnd)

namespace {

TraceSegment segment(int c1, int r1, int c2, int r2)
{
    return {{qint16(c1), qint16(r1)}, {qint16(c2), qint16(r2)}};
}

} // namespace

class TestJuryPieces : public QObject
{
    Q_OBJECT

private slots:
    void drawnEdgesIgnoreDirectionAndRepetition_data();
    void drawnEdgesIgnoreDirectionAndRepetition();
    void edgeDifferences();
    void distinctSegmentsKeepEachEdgeOnce_data();
    void distinctSegmentsKeepEachEdgeOnce();
    void verdictCodes_data();
    void verdictCodes();
    void timeLimitOption_data();
    void timeLimitOption();
    void reachability_data();
    void reachability();
    void matchingPassBySizeAndArrangement_data();
    void matchingPassBySizeAndArrangement();
    void verdictRules_data();
    void verdictRules();
    void arrangementWords_data();
    void arrangementWords();
    void csvFields_data();
    void csvFields();
    void testsCsvBesideReport_data();
    void testsCsvBesideReport();
    void identicalFilesMarked_data();
    void identicalFilesMarked();
    void identicalTextNamesAFew_data();
    void identicalTextNamesAFew();
    void stopLines_data();
    void stopLines();
    void reportFormats_data();
    void reportFormats();
    void diffPicturePaths();
    void diffPictureStems_data();
    void diffPictureStems();
    void choiceOptions_data();
    void choiceOptions();
    void parallelJobsRunEachJobOnce();
    void juryOptions_data();
    void juryOptions();
    void refusedCombinations_data();
    void refusedCombinations();
};

void TestJuryPieces::drawnEdgesIgnoreDirectionAndRepetition_data()
{
    QTest::addColumn<QList<TraceSegment>>("trace");
    QTest::addColumn<QString>("edges");

    QTest::newRow("no trace") << QList<TraceSegment>{} << "";
    QTest::newRow("one step right") << QList<TraceSegment>{segment(3, 2, 4, 2)} << "(3,2)-(4,2)";
    QTest::newRow("the same edge walked back")
        << QList<TraceSegment>{segment(4, 2, 3, 2), segment(3, 2, 4, 2)} << "(3,2)-(4,2)";
    QTest::newRow("up and down count once")
        << QList<TraceSegment>{segment(6, 3, 6, 2), segment(6, 2, 6, 3)} << "(6,2)-(6,3)";
    QTest::newRow("sorted by row, then column")
        << QList<TraceSegment>{segment(5, 4, 5, 3), segment(1, 0, 0, 0), segment(2, 3, 3, 3)}
        << "(0,0)-(1,0), (2,3)-(3,3), (5,3)-(5,4)";
}

void TestJuryPieces::drawnEdgesIgnoreDirectionAndRepetition()
{
    QFETCH(QList<TraceSegment>, trace);
    QTEST(edgeListText(drawnEdges(trace)), "edges");
}

void TestJuryPieces::edgeDifferences()
{
    const QList<CellEdge> wanted =
        drawnEdges({segment(0, 0, 1, 0), segment(1, 0, 2, 0), segment(2, 0, 2, 1)});
    const QList<CellEdge> drawn = drawnEdges({segment(1, 0, 0, 0), segment(2, 1, 2, 2), segment(2, 0, 2, 1)});
    QCOMPARE(edgeListText(edgesNotIn(wanted, drawn)), QStringLiteral("(1,0)-(2,0)"));
    QCOMPARE(edgeListText(edgesNotIn(drawn, wanted)), QStringLiteral("(2,1)-(2,2)"));
    QCOMPARE(edgeListText(wanted, 1), QStringLiteral("(0,0)-(1,0) и ещё 2"));
}

void TestJuryPieces::distinctSegmentsKeepEachEdgeOnce_data()
{
    QTest::addColumn<QList<TraceSegment>>("trace");
    QTest::addColumn<QList<TraceSegment>>("kept");

    QTest::newRow("nothing drawn") << QList<TraceSegment>{} << QList<TraceSegment>{};
    QTest::newRow("every edge new") << QList<TraceSegment>{segment(0, 0, 1, 0), segment(1, 0, 1, 1)}
                                    << QList<TraceSegment>{segment(0, 0, 1, 0), segment(1, 0, 1, 1)};
    QTest::newRow("a ping-pong keeps its first way")
        << QList<TraceSegment>{segment(0, 0, 1, 0), segment(1, 0, 0, 0), segment(0, 0, 1, 0),
                               segment(1, 0, 0, 0)}
        << QList<TraceSegment>{segment(0, 0, 1, 0)};
    QTest::newRow("order of first drawing, not of position")
        << QList<TraceSegment>{segment(5, 5, 5, 4), segment(0, 0, 1, 0), segment(5, 4, 5, 5)}
        << QList<TraceSegment>{segment(5, 5, 5, 4), segment(0, 0, 1, 0)};
}

void TestJuryPieces::distinctSegmentsKeepEachEdgeOnce()
{
    QFETCH(QList<TraceSegment>, trace);
    QFETCH(QList<TraceSegment>, kept);
    QCOMPARE(distinctSegments(trace), kept);
    QCOMPARE(drawnEdges(distinctSegments(trace)), drawnEdges(trace));
}

void TestJuryPieces::verdictCodes_data()
{
    QTest::addColumn<RunEnd>("end");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<bool>("outOfTime");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("word");

    QTest::newRow("right") << RunEnd::Complete << true << false << "OK"
                           << "верно";
    QTest::newRow("ends elsewhere") << RunEnd::Complete << false << false << "WA"
                                    << "неверный результат";
    QTest::newRow("a wall") << RunEnd::Crash << false << false << "CR"
                            << "столкновение со стеной";
    QTest::newRow("the highlight limit") << RunEnd::Stopped << false << false << "TL"
                                         << "превышен предел строк";
    QTest::newRow("the file's time") << RunEnd::Stopped << false << true << "TL"
                                     << "превышено время";
    QTest::newRow("a missing КЦ") << RunEnd::Error << false << false << "RE"
                                  << "ошибка в тексте";
}

void TestJuryPieces::verdictCodes()
{
    QFETCH(RunEnd, end);
    QFETCH(bool, correct);
    QFETCH(bool, outOfTime);
    QFETCH(QString, code);
    QFETCH(QString, word);
    JuryFileResult file;
    file.file = QStringLiteral("a.txt");
    for (int number = 1; number <= 3; ++number) {
        TestPass pass;
        pass.number = number;
        pass.isCorrect = true;
        file.passes.append(pass);
    }
    TestPass &judged = file.passes[1];
    judged.end = end;
    judged.isCorrect = correct;
    judged.isOutOfTime = outOfTime;
    QCOMPARE(passCode(judged), code);
    QCOMPARE(passCodeWord(judged), word);
    // The file's verdict is its first failing test's, with the test's number.
    QCOMPARE(fileCode(file), correct ? QStringLiteral("OK") : code + QStringLiteral(" 2"));
    QCOMPARE(verdictText(file),
             QStringLiteral("%1 — %2").arg(fileCode(file), correct ? QStringLiteral("верно") : word));
    file.notAlgorithm = QStringLiteral("пустой файл");
    QCOMPARE(fileCode(file), QStringLiteral("CE"));
    file.readError = QStringLiteral("нет файла");
    QCOMPARE(fileCode(file), QStringLiteral("FE"));
}

void TestJuryPieces::timeLimitOption_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("seconds"); // 0: refused

    QTest::newRow("the default") << QStringList{"--jury", "a.txt"}
                                 << int(CheckerOptions::defaultTimeLimitSeconds);
    QTest::newRow("given") << QStringList{"--jury", "--time-limit", "3", "a.txt"} << 3;
    QTest::newRow("zero") << QStringList{"--jury", "--time-limit=0", "a.txt"} << 0;
    QTest::newRow("not a number") << QStringList{"--jury", "--time-limit", "5s", "a.txt"} << 0;
    QTest::newRow("in a single run") << QStringList{"--time-limit", "5", "a.txt"} << 0;
    QTest::newRow("in the validator") << QStringList{"--validate", "--time-limit", "5"} << 0;
}

void TestJuryPieces::timeLimitOption()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, seconds);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QCOMPARE(result.isOk(), seconds > 0);
    if (seconds > 0)
        QCOMPARE(result.options.timeLimitSeconds, seconds);
    else
        QVERIFY2(result.error.contains(QStringLiteral("--time-limit")), qPrintable(result.error));
}

void TestJuryPieces::reachability_data()
{
    QTest::addColumn<QList<CellPosition>>("horizontal");
    QTest::addColumn<QList<CellPosition>>("vertical");
    QTest::addColumn<CellPosition>("to");
    QTest::addColumn<bool>("reachable");

    QTest::newRow("open field, far corner")
        << QList<CellPosition>{} << QList<CellPosition>{} << CellPosition{11, 11} << true;
    QTest::newRow("the start itself")
        << QList<CellPosition>{} << QList<CellPosition>{} << CellPosition{0, 0} << true;
    QTest::newRow("a cell boxed in on four sides")
        << QList<CellPosition>{{5, 6}, {5, 7}} << QList<CellPosition>{{4, 7}, {5, 7}} << CellPosition{5, 7}
        << false;
    QTest::newRow("boxed in on three sides, open on the fourth")
        << QList<CellPosition>{{5, 6}, {5, 7}} << QList<CellPosition>{{4, 7}} << CellPosition{5, 7} << true;
    QTest::newRow("a full row of walls splits the field")
        << QList<CellPosition>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3},  {5, 3},
                               {6, 3}, {7, 3}, {8, 3}, {9, 3}, {10, 3}, {11, 3}}
        << QList<CellPosition>{} << CellPosition{0, 4} << false;
    QTest::newRow("a row of walls with one gap")
        << QList<CellPosition>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3},
                               {6, 3}, {7, 3}, {8, 3}, {9, 3}, {10, 3}}
        << QList<CellPosition>{} << CellPosition{0, 4} << true;
    QTest::newRow("outside the field")
        << QList<CellPosition>{} << QList<CellPosition>{} << CellPosition{12, 3} << false;
}

void TestJuryPieces::reachability()
{
    QFETCH(QList<CellPosition>, horizontal);
    QFETCH(QList<CellPosition>, vertical);
    QFETCH(CellPosition, to);
    QFETCH(bool, reachable);

    World world;
    world.fieldSize = 12;
    world.walls.walls.horizontal = horizontal;
    world.walls.walls.vertical = vertical;
    QCOMPARE(isReachable(world, {0, 0}, to), reachable);
}

void TestJuryPieces::matchingPassBySizeAndArrangement_data()
{
    QTest::addColumn<int>("fieldSize");
    QTest::addColumn<QList<int>>("arrangement");
    QTest::addColumn<int>("found"); // index among the passes, -1 for none

    QTest::newRow("same size, same arrangement") << 13 << QList<int>{1, 2} << 2;
    QTest::newRow("same size, other arrangement") << 13 << QList<int>{2, 1} << 3;
    QTest::newRow("same arrangement, other size") << 12 << QList<int>{1, 2} << 0;
    QTest::newRow("a size without passes") << 15 << QList<int>{1, 2} << -1;
    QTest::newRow("an arrangement without passes") << 12 << QList<int>{2, 2} << -1;
}

void TestJuryPieces::matchingPassBySizeAndArrangement()
{
    QFETCH(int, fieldSize);
    QFETCH(QList<int>, arrangement);
    QFETCH(int, found);
    QList<TestPass> passes;
    for (const auto &[size, selectors] :
         std::vector<std::pair<int, QList<int>>>{{12, {1, 2}}, {12, {2, 1}}, {13, {1, 2}}, {13, {2, 1}}}) {
        TestPass pass;
        pass.fieldSize = size;
        pass.arrangement = selectors;
        passes.append(pass);
    }
    TestPass wanted;
    wanted.fieldSize = fieldSize;
    wanted.arrangement = arrangement;
    const TestPass *match = matchingPass(passes, wanted);
    QCOMPARE(match ? int(match - passes.constData()) : -1, found);
}

void TestJuryPieces::verdictRules_data()
{
    QTest::addColumn<bool>("pointB");
    QTest::addColumn<int>("end");
    QTest::addColumn<QList<TraceSegment>>("trace");
    QTest::addColumn<CellPosition>("endCell");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("extra");

    const QList<TraceSegment> model{segment(0, 0, 1, 0), segment(1, 0, 1, 1)};
    QTest::newRow("Б: complete on Б")
        << true << int(RunEnd::Complete) << QList<TraceSegment>{} << CellPosition{4, 4} << true << ""
        << "";
    QTest::newRow("Б: complete elsewhere")
        << true << int(RunEnd::Complete) << QList<TraceSegment>{} << CellPosition{4, 3} << false << ""
        << "";
    QTest::newRow("Б: crash on Б's cell is still wrong")
        << true << int(RunEnd::Crash) << QList<TraceSegment>{} << CellPosition{4, 4} << false << ""
        << "";
    QTest::newRow("Б: limit on Б's cell is still wrong")
        << true << int(RunEnd::Stopped) << QList<TraceSegment>{} << CellPosition{4, 4} << false << ""
        << "";
    QTest::newRow("drawing: same edges, other direction")
        << false << int(RunEnd::Complete) << QList<TraceSegment>{segment(1, 1, 1, 0), segment(1, 0, 0, 0)}
        << CellPosition{0, 0} << true << ""
        << "";
    QTest::newRow("drawing: one edge lacking")
        << false << int(RunEnd::Complete) << QList<TraceSegment>{segment(0, 0, 1, 0)} << CellPosition{1, 0}
        << false << "(1,0)-(1,1)"
        << "";
    QTest::newRow("drawing: one edge more")
        << false << int(RunEnd::Complete) << (model + QList<TraceSegment>{segment(1, 1, 2, 1)})
        << CellPosition{2, 1} << false << ""
        << "(1,1)-(2,1)";
    QTest::newRow("drawing: right edges, then a crash")
        << false << int(RunEnd::Crash) << model << CellPosition{1, 1} << false << ""
        << "";
    QTest::newRow("drawing: right edges, then an error")
        << false << int(RunEnd::Error) << model << CellPosition{1, 1} << false << ""
        << "";
}

void TestJuryPieces::verdictRules()
{
    QFETCH(bool, pointB);
    QFETCH(int, end);
    QFETCH(QList<TraceSegment>, trace);
    QFETCH(CellPosition, endCell);
    QFETCH(bool, correct);

    TaskData task;
    task.hasPointB = pointB;
    task.describedSizes[0] = true;
    task.size(12).pointB = {4, 4};

    TestPass reference;
    reference.trace = {segment(0, 0, 1, 0), segment(1, 0, 1, 1)};
    TestPass pass;
    pass.end = RunEnd(end);
    pass.trace = trace;
    pass.executor = {endCell.column, endCell.row, 0};
    QList<TestPass> passes{pass};
    judgePasses(passes, task, {reference});
    QCOMPARE(passes.first().isCorrect, correct);
    QTEST(edgeListText(passes.first().missing), "missing");
    QTEST(edgeListText(passes.first().extra), "extra");
}

void TestJuryPieces::arrangementWords_data()
{
    QTest::addColumn<QList<int>>("arrangement");
    QTest::addColumn<QString>("selectors");
    QTest::addColumn<QString>("readable");

    QTest::newRow("three variable walls") << QList<int>{1, 2, 1} << "1 2 1"
                                          << "1 2 1";
    QTest::newRow("one variable wall") << QList<int>{2} << "2"
                                       << "2";
    QTest::newRow("no variable walls") << QList<int>{} << ""
                                       << "—";
}

void TestJuryPieces::arrangementWords()
{
    QFETCH(QList<int>, arrangement);
    QTEST(selectorsText(arrangement), "selectors");
    QTEST(arrangementText(arrangement), "readable");
}

void TestJuryPieces::csvFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("field");

    QTest::newRow("plain") << "good.txt"
                           << ";"
                           << "good.txt";
    QTest::newRow("Cyrillic") << "Иванов.txt"
                              << ";"
                              << "Иванов.txt";
    QTest::newRow("a comma, quoted with either separator") << "(1,0)-(2,0)"
                                                           << ";"
                                                           << "\"(1,0)-(2,0)\"";
    QTest::newRow("a semicolon, quoted with either separator") << "a;b.txt"
                                                               << ","
                                                               << "\"a;b.txt\"";
    QTest::newRow("a quote") << "строки \"КЦ\""
                             << ";"
                             << "\"строки \"\"КЦ\"\"\"";
    QTest::newRow("a line break becomes a blank") << "a\nb\r\nc\rd"
                                                  << ";"
                                                  << "a b c d";
    QTest::newRow("a formula stays text") << "=1+2.txt"
                                          << ";"
                                          << "'=1+2.txt";
    QTest::newRow("a plus") << "+7.txt"
                            << ","
                            << "'+7.txt";
    QTest::newRow("a leading dash") << "-a.txt"
                                    << ";"
                                    << "'-a.txt";
    QTest::newRow("an at sign") << "@sum.txt"
                                << ";"
                                << "'@sum.txt";
    QTest::newRow("a formula with a separator: apostrophe and quotes") << "=SUM(1;2)"
                                                                       << ";"
                                                                       << "\"'=SUM(1;2)\"";
    QTest::newRow("a dash inside is harmless") << "a-b=c.txt"
                                               << ";"
                                               << "a-b=c.txt";
    QTest::newRow("empty") << ""
                           << ";"
                           << "";
}

void TestJuryPieces::csvFields()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QTEST(csvField(text, separator.front()), "field");
}

void TestJuryPieces::testsCsvBesideReport_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("tests");

    QTest::newRow("a plain name") << "r.csv"
                                  << "r-tests.csv";
    QTest::newRow("in a folder") << "out/round 1/итоги.csv"
                                 << "out/round 1/итоги-tests.csv";
    QTest::newRow("dots in the name") << "/tmp/7.a.csv"
                                      << "/tmp/7.a-tests.csv";
    QTest::newRow("capitals kept") << "R.CSV"
                                   << "R-tests.CSV";
}

void TestJuryPieces::testsCsvBesideReport()
{
    QFETCH(QString, report);
    QTEST(juryTestsCsvPath(report), "tests");
}

void TestJuryPieces::identicalFilesMarked_data()
{
    QTest::addColumn<QStringList>("hashes"); // one per file a.txt, b.txt, …; empty: not read
    QTest::addColumn<QStringList>("marks");  // per file, the others with its bytes, joined by "+"
    QTest::addColumn<QList<int>>("groups");  // per file, its group's number; 0: alike with none

    QTest::newRow("all different") << QStringList{"1", "2", "3"} << QStringList{"", "", ""}
                                   << QList<int>{0, 0, 0};
    QTest::newRow("a pair") << QStringList{"1", "2", "1"} << QStringList{"c.txt", "", "a.txt"}
                            << QList<int>{1, 0, 1};
    QTest::newRow("three alike, in order")
        << QStringList{"7", "7", "5", "7"} << QStringList{"b.txt+d.txt", "a.txt+d.txt", "", "a.txt+b.txt"}
        << QList<int>{1, 1, 0, 1};
    QTest::newRow("two groups, numbered by their first file")
        << QStringList{"4", "9", "9", "4"} << QStringList{"d.txt", "c.txt", "b.txt", "a.txt"}
        << QList<int>{1, 2, 2, 1};
    QTest::newRow("unread files are never alike")
        << QStringList{"", "", "1"} << QStringList{"", "", ""} << QList<int>{0, 0, 0};
}

void TestJuryPieces::identicalFilesMarked()
{
    QFETCH(QStringList, hashes);
    QFETCH(QStringList, marks);
    QFETCH(QList<int>, groups);
    QCOMPARE(identicalGroups(hashes), groups);
    QStringList files;
    for (qsizetype i = 0; i < hashes.size(); ++i)
        files.append(QString(QLatin1Char(char('a' + i))) + QStringLiteral(".txt"));
    const QList<QStringList> identical = identicalFiles(files, hashes);
    QCOMPARE(identical.size(), files.size());
    for (qsizetype i = 0; i < files.size(); ++i)
        QCOMPARE(identical.at(i).join(QLatin1Char('+')), marks.at(i));
    const QStringList &first = identical.at(0);
    QCOMPARE(identicalText(first).isEmpty(), first.isEmpty());
    if (!first.isEmpty()) {
        QVERIFY(identicalText(first).startsWith(QStringLiteral("совпадает с файл")));
        QVERIFY(identicalText(first).endsWith(first.join(QStringLiteral(", "))));
    }
}

void TestJuryPieces::identicalTextNamesAFew_data()
{
    QTest::addColumn<int>("files");
    QTest::addColumn<QString>("text");

    QTest::newRow("one") << 1 << "совпадает с файлом 1.txt";
    QTest::newRow("six, every one named")
        << 6 << "совпадает с файлами 1.txt, 2.txt, 3.txt, 4.txt, 5.txt, 6.txt";
    QTest::newRow("seven") << 7 << "совпадает с файлами 1.txt, 2.txt, 3.txt, 4.txt, 5.txt и ещё 2";
    QTest::newRow("three hundred copies of a template")
        << 300 << "совпадает с файлами 1.txt, 2.txt, 3.txt, 4.txt, 5.txt и ещё 295";
}

void TestJuryPieces::identicalTextNamesAFew()
{
    QFETCH(int, files);
    QStringList names;
    for (int i = 1; i <= files; ++i)
        names.append(QStringLiteral("%1.txt").arg(i));
    QTEST(identicalText(names), "text");
}

void TestJuryPieces::stopLines_data()
{
    QTest::addColumn<RunEnd>("end");
    QTest::addColumn<int>("stopRow");
    QTest::addColumn<int>("line"); // 0: none shown

    QTest::newRow("a crash names its line from 1") << RunEnd::Crash << 6 << 7;
    QTest::newRow("the limit") << RunEnd::Stopped << 0 << 1;
    QTest::newRow("an error") << RunEnd::Error << 11 << 12;
    QTest::newRow("a pass run to its end has none") << RunEnd::Complete << 9 << 0;
    QTest::newRow("a pass never begun has none") << RunEnd::Stopped << -1 << 0;
}

void TestJuryPieces::stopLines()
{
    QFETCH(RunEnd, end);
    QFETCH(int, stopRow);
    TestPass pass;
    pass.end = end;
    pass.stopRow = stopRow;
    QTEST(stopLineNumber(pass), "line");
}

void TestJuryPieces::reportFormats_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("format");

    QTest::newRow("csv") << "out/r.csv"
                         << "csv";
    QTest::newRow("json in capitals") << "R.JSON"
                                      << "json";
    QTest::newRow("pdf") << "protocol.pdf"
                         << "pdf";
    QTest::newRow("txt") << "table.txt"
                         << "txt";
    QTest::newRow("no extension") << "table"
                                  << "txt";
    QTest::newRow("something else") << "r.html"
                                    << "";
}

void TestJuryPieces::reportFormats()
{
    QFETCH(QString, file);
    QTEST(juryReportFormat(file), "format");
}

void TestJuryPieces::diffPicturePaths()
{
    QCOMPARE(diffPicturePath("pics/d", "7a_ivanov", 13, {1, 2, 1}),
             QStringLiteral("pics/d-7a_ivanov-13-121.png"));
    QCOMPARE(diffPicturePath("d", "a.b", 12, {}), QStringLiteral("d-a.b-12.png"));
}

void TestJuryPieces::diffPictureStems_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("stems");

    QTest::newRow("one file: its name") << QStringList{"works/ivanov.txt"} << QStringList{"ivanov"};
    QTest::newRow("the last extension only") << QStringList{"a.b.txt"} << QStringList{"a.b"};
    QTest::newRow("one folder: the names") << QStringList{"w/a.txt", "w/b.txt"} << QStringList{"a", "b"};
    QTest::newRow("the same name in two class folders")
        << QStringList{"w/7a/NoName.txt", "w/7b/NoName.txt"} << QStringList{"7a_NoName", "7b_NoName"};
    QTest::newRow("deeper on one side")
        << QStringList{"w/a.txt", "w/7b/x/a.txt"} << QStringList{"a", "7b_x_a"};
    QTest::newRow("a folder and a name that read alike")
        << QStringList{"w/7a/b.txt", "w/7a_b.txt"} << QStringList{"7a_b", "7a_b_2"};
    QTest::newRow("names apart only in case") << QStringList{"w/Ivanov.txt", "w/ivanov.txt", "w/IVANOV.txt"}
                                              << QStringList{"Ivanov", "ivanov_2", "IVANOV_3"};
    QTest::newRow("one file twice") << QStringList{"w/a.txt", "w/a.txt"} << QStringList{"a", "a_2"};
    QTest::newRow("characters a file system refuses")
        << QStringList{"w/a:b*c?.txt", "w/\"q\"<>|.txt"} << QStringList{"a_b_c_", "_q____"};
}

void TestJuryPieces::diffPictureStems()
{
    QFETCH(QStringList, files);
    QTEST(::diffPictureStems(files), "stems");
}

void TestJuryPieces::choiceOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("test");
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<qint64>("limit");

    QTest::newRow("nothing chosen") << QStringList{"--jury", "a.txt"} << 0 << false << qint64(1000000);
    QTest::newRow("one test in the jury")
        << QStringList{"--jury", "--test", "7", "a.txt"} << 7 << false << qint64(1000000);
    QTest::newRow("one test in a single run")
        << QStringList{"--test=32", "a.txt"} << 32 << false << qint64(1000000);
    QTest::newRow("a folder with its sub-folders")
        << QStringList{"--jury", "--recursive", "works"} << 0 << true << qint64(1000000);
    QTest::newRow("the jury's highlight limit")
        << QStringList{"--jury", "--limit", "20000", "a.txt"} << 0 << false << qint64(20000);
}

void TestJuryPieces::choiceOptions()
{
    QFETCH(QStringList, arguments);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QVERIFY2(result.isOk(), qPrintable(result.error));
    QTEST(result.options.test, "test");
    QTEST(result.options.recursive, "recursive");
    QTEST(result.options.limit, "limit");
}

void TestJuryPieces::parallelJobsRunEachJobOnce()
{
    constexpr int count = 50;
    std::vector<std::atomic<int>> runs(count);
    QList<int> progress;
    runParallelJobs(
        count, 2, [&](int job) { ++runs[size_t(job)]; }, [&](int finished) { progress.append(finished); });
    for (int i = 0; i < count; ++i)
        QCOMPARE(runs[size_t(i)].load(), 1);
    QCOMPARE(progress.size(), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(progress.at(i), i + 1);
}

void TestJuryPieces::juryOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CheckerMode>("mode");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QString>("renderDiff");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("only");
    QTest::addColumn<QString>("separator");

    QTest::newRow("jury with everything") << QStringList{"--jury",
                                                         "--task",
                                                         "t",
                                                         "--reference=ref.txt",
                                                         "--report",
                                                         "r.pdf",
                                                         "--render-diff",
                                                         "d",
                                                         "--unit",
                                                         "12",
                                                         "a.txt",
                                                         "b.txt"}
                                          << CheckerMode::Jury << "ref.txt" << QStringList{"r.pdf"} << "d"
                                          << QStringList{"a.txt", "b.txt"} << QStringList{} << ";";
    QTest::newRow("every report named is kept, in order")
        << QStringList{"--jury", "--report", "r.txt", "--report=r.csv", "a.txt", "--report", "r.json"}
        << CheckerMode::Jury << "" << QStringList{"r.txt", "r.csv", "r.json"} << "" << QStringList{"a.txt"}
        << QStringList{} << ";";
    QTest::newRow("jury, files only") << QStringList{"a.txt", "--jury"} << CheckerMode::Jury << ""
                                      << QStringList{} << "" << QStringList{"a.txt"} << QStringList{} << ";";
    QTest::newRow("--only twice needs no other file")
        << QStringList{"--jury", "--only", "a.txt", "--only=7b/NoName.txt"} << CheckerMode::Jury << ""
        << QStringList{} << "" << QStringList{} << QStringList{"a.txt", "7b/NoName.txt"} << ";";
    QTest::newRow("--only beside the round's files")
        << QStringList{"--jury", "a.txt", "b.txt", "--only", "b.txt"} << CheckerMode::Jury << ""
        << QStringList{} << "" << QStringList{"a.txt", "b.txt"} << QStringList{"b.txt"} << ";";
    QTest::newRow("a comma for the CSV")
        << QStringList{"--jury", "--csv-separator", ",", "a.txt"} << CheckerMode::Jury << "" << QStringList{}
        << "" << QStringList{"a.txt"} << QStringList{} << ",";
    QTest::newRow("validate without files") << QStringList{"--validate"} << CheckerMode::Validate << ""
                                            << QStringList{} << "" << QStringList{} << QStringList{} << ";";
    QTest::newRow("validate with a reference")
        << QStringList{"--validate", "--task", "t", "--reference", "r.txt"} << CheckerMode::Validate
        << "r.txt" << QStringList{} << "" << QStringList{} << QStringList{} << ";";
    QTest::newRow("a single run stays one") << QStringList{"a.txt"} << CheckerMode::Run << "" << QStringList{}
                                            << "" << QStringList{"a.txt"} << QStringList{} << ";";
}

void TestJuryPieces::juryOptions()
{
    QFETCH(QStringList, arguments);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QVERIFY2(result.isOk(), qPrintable(result.error));
    QTEST(result.options.mode, "mode");
    QTEST(result.options.referenceFile, "reference");
    QTEST(result.options.reportFiles, "reports");
    QTEST(result.options.renderDiffPrefix, "renderDiff");
    QTEST(result.options.files, "files");
    QTEST(result.options.onlyFiles, "only");
    QTEST(QString(result.options.csvSeparator), "separator");
}

void TestJuryPieces::refusedCombinations_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");

    QTest::newRow("jury and validate") << QStringList{"--jury", "--validate", "a.txt"} << "--validate";
    QTest::newRow("jury without files") << QStringList{"--jury"} << "файл";
    QTest::newRow("jury with a size") << QStringList{"--jury", "--size", "13", "a.txt"} << "--size";
    QTest::newRow("validate with a limit") << QStringList{"--validate", "--limit", "5"} << "--limit";
    QTest::newRow("validate with a test") << QStringList{"--validate", "--test", "2"} << "--test";
    QTest::newRow("validate into sub-folders") << QStringList{"--validate", "--recursive"} << "--recursive";
    QTest::newRow("a test and a size") << QStringList{"--test", "3", "--size", "13", "a.txt"} << "--size";
    QTest::newRow("test 0") << QStringList{"--jury", "--test", "0", "a.txt"} << "--test";
    QTest::newRow("a test that is no number") << QStringList{"--test", "7a", "a.txt"} << "7a";
    QTest::newRow("jury with --json") << QStringList{"--jury", "--json", "a.txt"} << "--json";
    QTest::newRow("validate with files") << QStringList{"--validate", "a.txt"} << "a.txt";
    QTest::newRow("validate with a report") << QStringList{"--validate", "--report", "r.csv"} << "--report";
    QTest::newRow("a reference in a single run")
        << QStringList{"--reference", "r.txt", "a.txt"} << "--reference";
    QTest::newRow("a report in a single run") << QStringList{"--report", "r.csv", "a.txt"} << "--report";
    QTest::newRow("diff pictures in a single run")
        << QStringList{"--render-diff", "d", "a.txt"} << "--render-diff";
    QTest::newRow("an empty report name") << QStringList{"--jury", "--report=", "a.txt"} << "--report";
    QTest::newRow("a value given to --jury") << QStringList{"--jury=yes", "a.txt"} << "--jury";
    QTest::newRow("--only in a single run") << QStringList{"--only", "a.txt"} << "--only";
    QTest::newRow("--only in the validator") << QStringList{"--validate", "--only", "a.txt"} << "--only";
    QTest::newRow("an empty --only") << QStringList{"--jury", "--only=", "a.txt"} << "--only";
    QTest::newRow("a tab as the separator")
        << QStringList{"--jury", "--csv-separator", "\t", "a.txt"} << "--csv-separator";
    QTest::newRow("two characters as the separator")
        << QStringList{"--jury", "--csv-separator", ";;", "a.txt"} << "--csv-separator";
    QTest::newRow("a separator in a single run")
        << QStringList{"--csv-separator", ",", "a.txt"} << "--csv-separator";
}

void TestJuryPieces::refusedCombinations()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QVERIFY(!result.isOk());
    QVERIFY2(result.error.contains(named), qPrintable(result.error));
}

QTEST_GUILESS_MAIN(TestJuryPieces)
#include "tst_jurypieces.moc"
