#include "cli/run/checkeroptions.h"

#include <QtTest>

class TestCheckerOptions : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void refusalWording_data();
    void refusalWording();
    void helpAndVersion_data();
    void helpAndVersion();
};

void TestCheckerOptions::defaults()
{
    const CheckerOptionsResult result = parseCheckerOptions({QStringLiteral("a.txt")});
    QVERIFY(result.isOk());
    const CheckerOptions &options = result.options;
    QCOMPARE(options.taskFolder, QStringLiteral("."));
    QCOMPARE(options.fieldSize, 12);
    QCOMPARE(options.speed, RunSpeed::Fastest);
    QCOMPARE(options.limit, qint64(1000000));
    QVERIFY(!options.events);
    QVERIFY(!options.json);
    QVERIFY(!options.rendersPictures());
    QCOMPARE(options.unit, 10);
    QCOMPARE(options.files, QStringList{QStringLiteral("a.txt")});
}

void TestCheckerOptions::accepted_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("task");
    QTest::addColumn<int>("size");
    QTest::addColumn<RunSpeed>("speed");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("events");
    QTest::addColumn<bool>("json");
    QTest::addColumn<QString>("render");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("every option with a separate value")
        << QStringList{"--task",   "olymp/t1", "--size",   "15",     "--speed", "slow", "--limit", "7",
                       "--events", "--json",   "--render", "pics/p", "--unit",  "19",   "a.txt",   "b.txt"}
        << "olymp/t1" << 15 << RunSpeed::Slow << qint64(7) << true << true << "pics/p" << 19
        << QStringList{"a.txt", "b.txt"};
    QTest::newRow("values after an equals sign")
        << QStringList{"--task=t",   "--size=13", "--speed=middle", "--limit=1",
                       "--render=x", "--unit=5",  "a.txt"}
        << "t" << 13 << RunSpeed::Middle << qint64(1) << false << false << "x" << 5 << QStringList{"a.txt"};
    QTest::newRow("files between options keep their order")
        << QStringList{"b.txt", "--speed", "fastest", "a.txt"} << "." << 12 << RunSpeed::Fastest
        << qint64(1000000) << false << false << "" << 10 << QStringList{"b.txt", "a.txt"};
    QTest::newRow("after -- every argument is a file")
        << QStringList{"--json", "--", "--events", "-a.txt"} << "." << 12 << RunSpeed::Fastest
        << qint64(1000000) << false << true << "" << 10 << QStringList{"--events", "-a.txt"};
    QTest::newRow("a limit beyond 32 bits")
        << QStringList{"--limit", "5000000000", "a.txt"} << "." << 12 << RunSpeed::Fastest
        << qint64(5000000000) << false << false << "" << 10 << QStringList{"a.txt"};
    QTest::newRow("a lone dash is a file")
        << QStringList{"-"} << "." << 12 << RunSpeed::Fastest << qint64(1000000) << false << false << "" << 10
        << QStringList{"-"};
    QTest::newRow("-h after -- is a file")
        << QStringList{"--", "-h"} << "." << 12 << RunSpeed::Fastest << qint64(1000000) << false << false
        << "" << 10 << QStringList{"-h"};
    QTest::newRow("a value beginning with a dash")
        << QStringList{"--render", "-p", "--task", "--", "a.txt"} << "--" << 12 << RunSpeed::Fastest
        << qint64(1000000) << false << false << "-p" << 10 << QStringList{"a.txt"};
    QTest::newRow("the last of a repeated option counts")
        << QStringList{"--size", "13", "a.txt", "--size=14"} << "." << 14 << RunSpeed::Fastest
        << qint64(1000000) << false << false << "" << 10 << QStringList{"a.txt"};
    QTest::newRow("an empty argument is a file")
        << QStringList{""} << "." << 12 << RunSpeed::Fastest << qint64(1000000) << false << false << "" << 10
        << QStringList{""};
    QTest::newRow("Cyrillic file name")
        << QStringList{"Иванов.txt"} << "." << 12 << RunSpeed::Fastest << qint64(1000000) << false << false
        << "" << 10 << QStringList{"Иванов.txt"};
}

void TestCheckerOptions::accepted()
{
    QFETCH(QStringList, arguments);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QVERIFY2(result.isOk(), qPrintable(result.error));
    QVERIFY(!result.helpRequested);
    QVERIFY(!result.versionRequested);
    const CheckerOptions &options = result.options;
    QTEST(options.taskFolder, "task");
    QTEST(options.fieldSize, "size");
    QTEST(options.speed, "speed");
    QTEST(options.limit, "limit");
    QTEST(options.events, "events");
    QTEST(options.json, "json");
    QTEST(options.renderPrefix, "render");
    QTEST(options.unit, "unit");
    QTEST(options.files, "files");
}

void TestCheckerOptions::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");

    QTest::newRow("no file") << QStringList{"--json"} << "файл";
    QTest::newRow("nothing at all") << QStringList{} << "файл";
    QTest::newRow("unknown option") << QStringList{"--fast", "a.txt"} << "--fast";
    QTest::newRow("unknown short option") << QStringList{"-x", "a.txt"} << "-x";
    QTest::newRow("size below 12") << QStringList{"--size", "11", "a.txt"} << "11";
    QTest::newRow("size above 15") << QStringList{"--size", "16", "a.txt"} << "16";
    QTest::newRow("size not a number") << QStringList{"--size", "12x", "a.txt"} << "12x";
    QTest::newRow("size with a blank") << QStringList{"--size", " 12", "a.txt"} << "12";
    QTest::newRow("unknown speed") << QStringList{"--speed", "quick", "a.txt"} << "quick";
    QTest::newRow("speed in capitals") << QStringList{"--speed", "SLOW", "a.txt"} << "SLOW";
    QTest::newRow("limit of 0") << QStringList{"--limit", "0", "a.txt"} << "0";
    QTest::newRow("negative limit") << QStringList{"--limit", "-5", "a.txt"} << "-5";
    QTest::newRow("unit too small") << QStringList{"--unit", "3", "a.txt"} << "3";
    QTest::newRow("unit too small for the executor at 15 x 15") << QStringList{"--unit", "4", "a.txt"} << "4";
    QTest::newRow("unit 0") << QStringList{"--unit", "0", "a.txt"} << "0";
    QTest::newRow("unit too large") << QStringList{"--unit", "81", "a.txt"} << "81";
    QTest::newRow("value missing at the end") << QStringList{"a.txt", "--task"} << "--task";
    QTest::newRow("empty render prefix") << QStringList{"--render=", "a.txt"} << "--render";
    QTest::newRow("value given to a flag") << QStringList{"--json=yes", "a.txt"} << "--json";
    QTest::newRow("unknown option with a value") << QStringList{"--fast=3", "a.txt"} << "--fast";
    QTest::newRow("a long name after one dash") << QStringList{"-task", "t", "a.txt"} << "-task";
    QTest::newRow("value missing after files") << QStringList{"--json", "a.txt", "--size"} << "--size";
    QTest::newRow("a bad value before --help") << QStringList{"--size", "11", "--help"} << "11";
    QTest::newRow("a bad value after --help") << QStringList{"--help", "--size", "11"} << "11";
    QTest::newRow("an unknown option beside --help") << QStringList{"--help", "--fast"} << "--fast";
    QTest::newRow("a bad value later overridden")
        << QStringList{"--size", "11", "--size", "12", "a.txt"} << "11";
    QTest::newRow("an empty value later overridden")
        << QStringList{"--task=", "--task", "t", "a.txt"} << "--task";
}

void TestCheckerOptions::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QVERIFY(!result.isOk());
    QVERIFY2(result.error.contains(named), qPrintable(result.error));
}

// The whole text, as standard error shows it after "shagaika-check: ".
void TestCheckerOptions::refusalWording_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("unknown long option") << QStringList{"--fast", "a.txt"} << "неизвестный параметр --fast";
    QTest::newRow("unknown short option") << QStringList{"a.txt", "-x"} << "неизвестный параметр -x";
    QTest::newRow("missing value") << QStringList{"a.txt", "--limit"} << "после --limit нужно значение";
    QTest::newRow("value given to a flag")
        << QStringList{"--events=1", "a.txt"} << "параметр --events не принимает значения";
    QTest::newRow("bad size") << QStringList{"--size=9", "a.txt"}
                              << "--size: размер поля должен быть 12, 13, 14 или 15, а не \"9\"";
    QTest::newRow("bad unit") << QStringList{"--unit", "x", "a.txt"}
                              << "--unit: нужно целое число от 5 до 80, а не \"x\"";
    QTest::newRow("unit too small for the executor") << QStringList{"--unit", "4", "a.txt"}
                                                     << "--unit: при 4 клетка поля 15 x 15 меньше картинки "
                                                        "Шагайки 16 x 16; наименьшее допустимое значение — 5";
    QTest::newRow("no file") << QStringList{"--events"} << "не указан ни один файл алгоритма";
    QTest::newRow("jury option in a single run")
        << QStringList{"--report", "r.csv", "a.txt"} << "параметр --report нужен только с --jury";
    QTest::newRow("single-run option with the jury")
        << QStringList{"--jury", "--speed", "slow", "a.txt"} << "параметр --speed не сочетается с --jury";
}

void TestCheckerOptions::refusalWording()
{
    QFETCH(QStringList, arguments);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QTEST(result.error, "error");
}

void TestCheckerOptions::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");

    QTest::newRow("--help without files") << QStringList{"--help"} << true << false;
    QTest::newRow("-h") << QStringList{"-h"} << true << false;
    QTest::newRow("--help among other options") << QStringList{"--json", "--help", "a.txt"} << true << false;
    QTest::newRow("--version") << QStringList{"--version"} << false << true;
    QTest::newRow("--help after the files") << QStringList{"a.txt", "--help"} << true << false;
    QTest::newRow("--help with the jury's options beside a single run")
        << QStringList{"--report", "r.csv", "--help"} << true << false;
}

void TestCheckerOptions::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    const CheckerOptionsResult result = parseCheckerOptions(arguments);
    QVERIFY2(result.isOk(), qPrintable(result.error));
    QTEST(result.helpRequested, "help");
    QTEST(result.versionRequested, "version");
}

QTEST_GUILESS_MAIN(TestCheckerOptions)
#include "tst_checkeroptions.moc"
