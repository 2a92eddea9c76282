// Whole runs of shagaika-check --jury on the example tasks, with correct and wrong
// solutions under tests/cli/jury/<task>.
#include "cli/jury/report/jurypicture.h"
#include "display/fieldgeometry.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString sourcePath(const QString &relative)
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/") + relative;
}

QString exampleTask(const QString &name)
{
    return sourcePath(QStringLiteral("examples/") + name);
}

QString juryFile(const QString &task, const QString &file)
{
    return sourcePath(QStringLiteral("tests/cli/jury/%1/%2").arg(task, file));
}

struct CheckerRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CheckerRun runChecker(const QStringList &arguments)
{
    static QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SHAGAIKA_CHECK_BINARY), arguments);
    CheckerRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// "c r c r" per edge, joined by ";".
QString edgesOf(const QJsonArray &edges)
{
    QStringList items;
    for (const QJsonValue &edge : edges) {
        QStringList numbers;
        for (const QJsonValue &number : edge.toArray())
            numbers.append(QString::number(number.toInt()));
        items.append(numbers.join(QLatin1Char(' ')));
    }
    return items.join(QLatin1Char(';'));
}

QString sha256sum(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("sha256sum"), {path});
    if (!process.waitForFinished(10000))
        return {};
    return QString::fromLatin1(process.readAllStandardOutput()).section(QLatin1Char(' '), 0, 0);
}

// Splits CSV text (RFC 4180: quoted fields, doubled quotes, CR LF rows).
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(field);
            field.clear();
        } else if (c == u'\r') {
            continue;
        } else if (c == u'\n') {
            row.append(field);
            field.clear();
            rows.append(row);
            row.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

// How many pixels of a colour lie within `radius` of a point.
int pixelsNear(const QImage &image, QPoint centre, int radius, QRgb colour)
{
    int count = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            if (image.valid(x, y) && (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                ++count;
        }
    }
    return count;
}

QString caseFile(const QString &name)
{
    return sourcePath(QStringLiteral("tests/cli/jury/cases/") + name);
}

QString withoutSpaces(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One jury run over the case folder, with every report read back; the runs are made once.
struct CaseReports
{
    QStringList files;
    int exitCode = -1;
    QJsonObject json;
    QList<QStringList> csv;
    QString pdfText; // empty without pdftotext
};

const CaseReports &caseReports()
{
    static const CaseReports reports = [] {
        CaseReports made;
        const QDir folder(sourcePath(QStringLiteral("tests/cli/jury/cases")));
        for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            made.files.append(folder.filePath(name));
        made.files << caseFile(QStringLiteral("7a/NoName.txt")) << caseFile(QStringLiteral("7b/NoName.txt"));
        QTemporaryDir out;
        for (const QString &format : {QStringLiteral("json"), QStringLiteral("csv"), QStringLiteral("pdf")}) {
            const QString report = out.filePath(QStringLiteral("report.") + format);
            const CheckerRun run = runChecker(QStringList{"--jury", "--task", exampleTask("maze"),
                                                          "--time-limit", "3600", "--report", report}
                                              + made.files);
            made.exitCode = run.exitCode;
            if (format == QLatin1String("json")) {
                made.json = readJson(report);
            } else if (format == QLatin1String("csv")) {
                made.csv = parseCsv(readText(report).mid(1));
            } else {
                const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
                if (pdftotext.isEmpty())
                    continue;
                // In the order drawn: each cell's text whole, not mixed with its neighbours'.
                QProcess text;
                text.start(pdftotext, {QStringLiteral("-raw"), report, QStringLiteral("-")});
                text.waitForFinished(30000);
                made.pdfText = QString::fromUtf8(text.readAllStandardOutput());
            }
        }
        return made;
    }();
    return reports;
}

QPoint edgeMiddle(const FieldGeometry &geometry, QPoint a, QPoint b)
{
    return (geometry.cellCentre(a.x(), a.y()) + geometry.cellCentre(b.x(), b.y())) / 2 + QPoint(1, 1);
}

} // namespace

class TestJury : public QObject
{
    Q_OBJECT

private slots:
    void verdicts_data();
    void verdicts();
    void exitStatus_data();
    void exitStatus();
    void hashesMatchSha256sum();
    void csvHoldsEveryPass();
    void tableNamesEveryFileAndTotal();
    void parallelRunsKeepOrderAndResults();
    void pdfProtocol();
    void diffPictures_data();
    void diffPictures();
    void caseFolderVerdicts_data();
    void caseFolderVerdicts();
    void percentNamesKeptWhole_data();
    void percentNamesKeptWhole();
    void folderArguments_data();
    void folderArguments();
};

void TestJury::verdicts_data()
{
    QTest::addColumn<QString>("task");
    QTest::addColumn<bool>("withReference");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QString>("failureEnd"); // of the first failing pass
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("extra");

    QTest::newRow("letter: the reference") << "letter" << true << "good.txt"
                                           << "correct" << 1 << ""
                                           << ""
                                           << "";
    QTest::newRow("letter: stepping back over its own line counts once") << "letter" << true << "retrace.txt"
                                                                         << "correct" << 1 << ""
                                                                         << ""
                                                                         << "";
    QTest::newRow("letter: the stem overshoots by one cell") << "letter" << true << "overshoot.txt"
                                                             << "wrong" << 1 << "complete"
                                                             << ""
                                                             << "6 8 6 9";
    QTest::newRow("letter: ПРЫЖОК where ШАГ belongs") << "letter" << true << "jump-instead-of-step.txt"
                                                      << "wrong" << 1 << "complete"
                                                      << "3 2 4 2"
                                                      << "";
    QTest::newRow("letter: one edge beside the letter") << "letter" << true << "extra-edge.txt"
                                                        << "wrong" << 1 << "complete"
                                                        << ""
                                                        << "6 8 7 8";
    QTest::newRow("letter: runs into the border") << "letter" << true << "into-border.txt"
                                                  << "wrong" << 1 << "crash"
                                                  << "6 2 6 3;6 3 6 4;6 4 6 5;6 5 6 6;6 6 6 7;6 7 6 8"
                                                  << "9 2 10 2;10 2 11 2";
    QTest::newRow("maze: the reference, every size and arrangement") << "maze" << false << "good.txt"
                                                                     << "correct" << 32 << ""
                                                                     << ""
                                                                     << "";
    QTest::newRow("maze: judged alike with a reference") << "maze" << true << "good.txt"
                                                         << "correct" << 32 << ""
                                                         << ""
                                                         << "";
    QTest::newRow("maze: straight on, ignoring the barriers") << "maze" << false << "straight.txt"
                                                              << "wrong" << 32 << "crash"
                                                              << ""
                                                              << "";
    QTest::newRow("maze: stops at the first barrier, away from Б") << "maze" << false << "until-wall.txt"
                                                                   << "wrong" << 32 << "complete"
                                                                   << ""
                                                                   << "";
    QTest::newRow("maze: an endless loop meets the limit") << "maze" << false << "endless.txt"
                                                           << "wrong" << 32 << "limit"
                                                           << ""
                                                           << "";
    QTest::newRow("maze: a loop without its end line") << "maze" << false << "no-loop-end.txt"
                                                       << "wrong" << 32 << "error"
                                                       << ""
                                                       << "";
    QTest::newRow("detour: the reference") << "detour" << false << "good.txt"
                                           << "correct" << 2 << ""
                                           << ""
                                           << "";
    QTest::newRow("detour: straight down stops at the movable wall")
        << "detour" << false << "straight-down.txt"
        << "wrong" << 2 << "complete"
        << ""
        << "";
}

void TestJury::verdicts()
{
    QFETCH(QString, task);
    QFETCH(bool, withReference);
    QFETCH(QString, file);
    QFETCH(QString, verdict);
    QFETCH(int, passes);
    QFETCH(QString, failureEnd);
    QFETCH(QString, missing);
    QFETCH(QString, extra);

    QTemporaryDir out;
    const QString report = out.filePath(QStringLiteral("report.json"));
    QStringList arguments{QStringLiteral("--jury"), QStringLiteral("--task"), exampleTask(task),
                          QStringLiteral("--report"), report};
    if (withReference)
        arguments << QStringLiteral("--reference") << exampleTask(task) + QStringLiteral("/solution.txt");
    arguments << juryFile(task, file);
    const CheckerRun run = runChecker(arguments);
    QCOMPARE(run.exitCode, verdict == QLatin1String("correct") ? 0 : 1);

    const QJsonObject root = readJson(report);
    const QJsonArray files = root.value(QStringLiteral("files")).toArray();
    QCOMPARE(files.size(), 1);
    const QJsonObject result = files.first().toObject();
    QCOMPARE(result.value(QStringLiteral("verdict")).toString(), verdict);
    const QJsonArray passList = result.value(QStringLiteral("passes")).toArray();
    QCOMPARE(passList.size(), passes);

    QJsonObject failure;
    for (const QJsonValue &value : passList) {
        if (!value.toObject().value(QStringLiteral("correct")).toBool()) {
            failure = value.toObject();
            break;
        }
    }
    if (verdict == QLatin1String("correct")) {
        QVERIFY(failure.isEmpty());
        return;
    }
    QVERIFY(!failure.isEmpty());
    QCOMPARE(failure.value(QStringLiteral("end")).toString(), failureEnd);
    QCOMPARE(edgesOf(failure.value(QStringLiteral("missing")).toArray()), missing);
    QCOMPARE(edgesOf(failure.value(QStringLiteral("extra")).toArray()), extra);
}

void TestJury::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHolds");

    const QString letter = exampleTask(QStringLiteral("letter"));
    const QString reference = letter + QStringLiteral("/solution.txt");
    QTest::newRow("every file correct") << QStringList{"--jury",
                                                       "--task",
                                                       letter,
                                                       "--reference",
                                                       reference,
                                                       juryFile("letter", "good.txt"),
                                                       juryFile("letter", "retrace.txt")}
                                        << 0 << "";
    QTest::newRow("one file wrong") << QStringList{"--jury",
                                                   "--task",
                                                   letter,
                                                   "--reference",
                                                   reference,
                                                   juryFile("letter", "good.txt"),
                                                   juryFile("letter", "overshoot.txt")}
                                    << 1 << "";
    QTest::newRow("a file that cannot be read") << QStringList{"--jury",
                                                               "--task",
                                                               letter,
                                                               "--reference",
                                                               reference,
                                                               juryFile("letter", "good.txt"),
                                                               juryFile("letter", "absent.txt")}
                                                << 1 << "absent.txt";
    QTest::newRow("a drawing task without a reference")
        << QStringList{"--jury", "--task", letter, juryFile("letter", "good.txt")} << 2 << "--reference";
    QTest::newRow("a reference that does not solve the task") << QStringList{"--jury",
                                                                             "--task",
                                                                             exampleTask("maze"),
                                                                             "--reference",
                                                                             juryFile("maze", "straight.txt"),
                                                                             juryFile("maze", "good.txt")}
                                                              << 2 << "эталон";
    QTest::newRow("a report format that is not offered")
        << QStringList{"--jury",  "--task",   letter,   "--reference",
                       reference, "--report", "r.html", juryFile("letter", "good.txt")}
        << 2 << ".pdf";
    QTest::newRow("a task folder that does not exist")
        << QStringList{"--jury", "--task", "no/such/folder", juryFile("letter", "good.txt")} << 2
        << "Не найден путь";
    QTest::newRow("a damaged task file")
        << QStringList{"--jury", "--task", sourcePath("tests/cli/jury/damaged-task"),
                       juryFile("letter", "good.txt")}
        << 2 << "Zerid.txt:5:";
    QTest::newRow("a single run's option")
        << QStringList{"--jury", "--size", "13", juryFile("letter", "good.txt")} << 2 << "--size";
}

void TestJury::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHolds);

    const CheckerRun run = runChecker(arguments);
    QCOMPARE(run.exitCode, exitCode);
    if (stderrHolds.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.contains(stderrHolds), qPrintable(run.err));
}

void TestJury::hashesMatchSha256sum()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sha256sum")).isEmpty())
        QSKIP("sha256sum is not installed");
    const QString task = exampleTask(QStringLiteral("letter"));
    const QString reference = task + QStringLiteral("/solution.txt");
    const QStringList files{juryFile("letter", "good.txt"), juryFile("letter", "overshoot.txt"),
                            juryFile("letter", "extra-edge.txt")};
    QTemporaryDir out;
    const QString json = out.filePath(QStringLiteral("r.json"));
    const QString csv = out.filePath(QStringLiteral("r.csv"));
    const QString text = out.filePath(QStringLiteral("r.txt"));
    for (const QString &report : {json, csv, text}) {
        const CheckerRun run = runChecker(
            QStringList{"--jury", "--task", task, "--reference", reference, "--report", report} + files);
        QCOMPARE(run.exitCode, 1);
    }

    const QString taskHash = sha256sum(task + QStringLiteral("/Zerid.txt"));
    const QString referenceHash = sha256sum(reference);
    QCOMPARE(taskHash.size(), 64);

    const QJsonObject root = readJson(json);
    QCOMPARE(root.value(QStringLiteral("task")).toObject().value(QStringLiteral("sha256")).toString(),
             taskHash);
    QCOMPARE(root.value(QStringLiteral("reference")).toObject().value(QStringLiteral("sha256")).toString(),
             referenceHash);
    const QJsonArray judged = root.value(QStringLiteral("files")).toArray();
    QCOMPARE(judged.size(), files.size());

    QFile csvFile(csv);
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csvFile.readAll()));
    QFile textFile(text);
    QVERIFY(textFile.open(QIODevice::ReadOnly));
    const QString table = QString::fromUtf8(textFile.readAll());

    QVERIFY(rows.size() > 3);
    QCOMPARE(rows.at(0).at(2), taskHash);
    QCOMPARE(rows.at(1).at(2), referenceHash);
    QVERIFY(table.contains(taskHash));
    QVERIFY(table.contains(referenceHash));
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString hash = sha256sum(files.at(i));
        QCOMPARE(judged.at(i).toObject().value(QStringLiteral("sha256")).toString(), hash);
        bool inCsv = false;
        for (const QStringList &row : rows)
            inCsv = inCsv || (row.value(0) == files.at(i) && row.value(1) == hash);
        QVERIFY2(inCsv, qPrintable(files.at(i)));
        QVERIFY(table.contains(QStringLiteral("SHA-256 ") + hash));
    }
}

void TestJury::csvHoldsEveryPass()
{
    QTemporaryDir out;
    const QString csv = out.filePath(QStringLiteral("r.csv"));
    const CheckerRun run = runChecker({"--jury", "--task", exampleTask("maze"), "--report", csv,
                                       juryFile("maze", "good.txt"), juryFile("maze", "straight.txt")});
    QCOMPARE(run.exitCode, 1);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)));
    QCOMPARE(rows.at(2), QStringList{QString()});
    const QStringList header = rows.at(3);
    QCOMPARE(header.first(), QStringLiteral("file"));
    QCOMPARE(rows.size(), 4 + 2 * 32);
    const qsizetype arrangement = header.indexOf(QStringLiteral("arrangement"));
    const qsizetype end = header.indexOf(QStringLiteral("end"));
    const qsizetype size = header.indexOf(QStringLiteral("size"));
    QVERIFY(arrangement > 0 && end > 0 && size > 0);
    // The first file's rows: sizes ascending, arrangements in the run's order.
    QCOMPARE(rows.at(4).at(size), QStringLiteral("12"));
    QCOMPARE(rows.at(4).at(arrangement), QStringLiteral("1 1 1"));
    QCOMPARE(rows.at(5).at(arrangement), QStringLiteral("1 1 2"));
    QCOMPARE(rows.at(11).at(arrangement), QStringLiteral("2 2 2"));
    QCOMPARE(rows.at(12).at(size), QStringLiteral("13"));
    QCOMPARE(rows.at(35).at(size), QStringLiteral("15"));
    for (int i = 4; i < 36; ++i)
        QCOMPARE(rows.at(i).at(end), QStringLiteral("complete"));
    for (int i = 36; i < 68; ++i)
        QCOMPARE(rows.at(i).at(end), QStringLiteral("crash"));
}

void TestJury::tableNamesEveryFileAndTotal()
{
    const QString letter = exampleTask(QStringLiteral("letter"));
    const QStringList names{"good.txt",       "retrace.txt",    "overshoot.txt", "jump-instead-of-step.txt",
                            "extra-edge.txt", "into-border.txt"};
    QStringList arguments{"--jury", "--task", letter, "--reference", letter + "/solution.txt"};
    for (const QString &name : names)
        arguments.append(juryFile("letter", name));
    const CheckerRun run = runChecker(arguments);
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QVERIFY(lines.contains(QStringLiteral("Итого: файлов 6; OK 2, WA 3, CR 1, TL 0, RE 0, CE 0, FE 0")));
    for (const QString &name : names) {
        const QString file = juryFile("letter", name);
        const bool correct = name == QLatin1String("good.txt") || name == QLatin1String("retrace.txt");
        const QString correctLine = QStringLiteral("%1 — OK — верно").arg(file);
        const bool wrongShown = std::any_of(lines.begin(), lines.end(), [&](const QString &line) {
            return line.startsWith(file + QStringLiteral(" — ")) && line != correctLine;
        });
        QVERIFY2(correct ? lines.contains(correctLine) : wrongShown, qPrintable(name));
    }
    QVERIFY(run.out.contains(QStringLiteral("лишние: (6,8)-(6,9)")));
    QVERIFY(run.out.contains(QStringLiteral("нет: (3,2)-(4,2)")));
    QVERIFY(run.out.contains(QStringLiteral("лишние: (6,8)-(7,8)")));
    QVERIFY(run.out.contains(QStringLiteral("авария в (11,2)")));
}

void TestJury::parallelRunsKeepOrderAndResults()
{
    const QStringList names{"straight.txt", "good.txt", "endless.txt", "until-wall.txt", "no-loop-end.txt"};
    QStringList files;
    for (int round = 0; round < 2; ++round) {
        for (const QString &name : names)
            files.append(juryFile("maze", name));
    }
    QTemporaryDir out;
    const QString together = out.filePath(QStringLiteral("all.json"));
    // The real time is no measure here: a loaded machine must not change a result.
    const QStringList noTimeLimit{"--time-limit", "3600"};
    const CheckerRun run = runChecker(
        QStringList{"--jury", "--task", exampleTask("maze"), "--report", together} + noTimeLimit + files);
    QCOMPARE(run.exitCode, 1);
    // Not a terminal: no progress, nothing on standard error.
    QCOMPARE(run.err, QString());
    const QJsonArray judged = readJson(together).value(QStringLiteral("files")).toArray();
    QCOMPARE(judged.size(), files.size());

    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString alone = out.filePath(QStringLiteral("one-%1.json").arg(i));
        runChecker(QStringList{"--jury", "--task", exampleTask("maze"), "--report", alone, files.at(i)}
                   + noTimeLimit);
        const QJsonObject single =
            readJson(alone).value(QStringLiteral("files")).toArray().first().toObject();
        QCOMPARE(judged.at(i).toObject().value(QStringLiteral("file")).toString(), files.at(i));
        QCOMPARE(judged.at(i).toObject(), single);
        QCOMPARE(judged.at(i + names.size()).toObject(), single);
    }
}

void TestJury::pdfProtocol()
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("protocol.pdf"));
    const QString letter = exampleTask(QStringLiteral("letter"));
    const CheckerRun run =
        runChecker({"--jury", "--task", letter, "--reference", letter + "/solution.txt", "--report", pdf,
                    juryFile("letter", "good.txt"), juryFile("letter", "overshoot.txt")});
    QCOMPARE(run.exitCode, 1);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.size() > 10000); // the text and one picture
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; the protocol's text is not read back");
    QProcess text;
    text.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(content.contains(QStringLiteral("Протокол проверки")), qPrintable(content));
    QVERIFY(withoutSpaces(content).contains(withoutSpaces(QStringLiteral("WA 1 — неверный результат"))));
    QVERIFY(content.contains(QStringLiteral("Нарисуйте букву")));
    QVERIFY(content.contains(sha256sum(juryFile("letter", "overshoot.txt"))));
}

void TestJury::diffPictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("picture"); // empty: none is written
    QTest::addColumn<QPoint>("markedFrom");
    QTest::addColumn<QPoint>("markedTo");
    QTest::addColumn<bool>("missing"); // the mark: a missing edge, or an extra one

    QTest::newRow("a correct file has no picture") << "good.txt"
                                                   << "" << QPoint() << QPoint() << false;
    QTest::newRow("ПРЫЖОК for ШАГ: the lacking edge ringed")
        << "jump-instead-of-step.txt"
        << "d-jump-instead-of-step-12.png" << QPoint(3, 2) << QPoint(4, 2) << true;
    QTest::newRow("overshoot: the extra edge crossed")
        << "overshoot.txt"
        << "d-overshoot-12.png" << QPoint(6, 8) << QPoint(6, 9) << false;
    QTest::newRow("extra edge: crossed where it lies")
        << "extra-edge.txt"
        << "d-extra-edge-12.png" << QPoint(6, 8) << QPoint(7, 8) << false;
}

void TestJury::diffPictures()
{
    QFETCH(QString, file);
    QFETCH(QString, picture);
    QFETCH(QPoint, markedFrom);
    QFETCH(QPoint, markedTo);
    QFETCH(bool, missing);

    QTemporaryDir out;
    const QString letter = exampleTask(QStringLiteral("letter"));
    const CheckerRun run =
        runChecker({"--jury", "--task", letter, "--reference", letter + "/solution.txt", "--render-diff",
                    out.filePath(QStringLiteral("d")), juryFile("letter", file)});
    QCOMPARE(run.exitCode, picture.isEmpty() ? 0 : 1);
    const QStringList written = QDir(out.path()).entryList(QDir::Files);
    if (picture.isEmpty()) {
        QVERIFY(written.isEmpty());
        return;
    }
    QCOMPARE(written, QStringList{picture});

    const QImage image(out.filePath(picture));
    QVERIFY(!image.isNull());
    const FieldGeometry geometry = FieldGeometry::compute(10, 12);
    QCOMPARE(image.width(), geometry.pictureWidth());
    QVERIFY(image.height() > geometry.pictureWidth()); // the legend below

    const QRgb mark = missing ? DiffColours::missing : DiffColours::extra;
    const QRgb other = missing ? DiffColours::extra : DiffColours::missing;
    const QPoint middle = edgeMiddle(geometry, markedFrom, markedTo);
    QVERIFY2(pixelsNear(image, middle, geometry.cellSize / 3, mark) > 5, "no mark on the edge");
    // The one wrong edge is the only one marked: nothing of that colour elsewhere on the field.
    int elsewhere = 0;
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 12; ++column) {
            const QPoint centre = geometry.cellCentre(column, row);
            if ((centre - middle).manhattanLength() > geometry.cellSize)
                elsewhere += pixelsNear(image, centre, 2, mark);
        }
    }
    QCOMPARE(elsewhere, 0);
    QCOMPARE(pixelsNear(image, middle, geometry.cellSize / 3, other), 0);
    // The reference's edges are drawn: the crossbar's first edge is green.
    QVERIFY(pixelsNear(image, edgeMiddle(geometry, {4, 2}, {5, 2}), 3, DiffColours::reference) > 0);
}

void TestJury::percentNamesKeptWhole_data()
{
    QTest::addColumn<QString>("taskFolder");
    QTest::addColumn<QString>("correctName");
    QTest::addColumn<QString>("wrongName");
    QTest::newRow("%1 and %2") << "задача %1"
                               << "a%1 b%2.txt"
                               << "p%2.txt";
    QTest::newRow("%L1 and a leading dash") << "%L1 %2"
                                            << "-%L1.txt"
                                            << "%1%1.txt";
    QTest::newRow("quotes, blanks and Cyrillic") << "\"%2\" задача"
                                                 << "Иванов \"%1\" .txt"
                                                 << "Петров '%3' %L2.txt";
}

void TestJury::percentNamesKeptWhole()
{
    QFETCH(QString, taskFolder);
    QFETCH(QString, correctName);
    QFETCH(QString, wrongName);
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QDir workDir(work.path());
    const QDir example(exampleTask(QStringLiteral("letter")));
    QVERIFY(workDir.mkdir(taskFolder));
    const QDir task(workDir.filePath(taskFolder));
    for (const QString &name : example.entryList(QDir::Files))
        QVERIFY(QFile::copy(example.filePath(name), task.filePath(name)));
    const QString correct = workDir.filePath(correctName);
    const QString wrong = workDir.filePath(wrongName);
    QVERIFY(QFile::copy(juryFile("letter", "good.txt"), correct));
    QVERIFY(QFile::copy(juryFile("letter", "overshoot.txt"), wrong));
    const QString json = workDir.filePath(QStringLiteral("r.json"));

    const CheckerRun run =
        runChecker({"--jury", "--task", task.path(), "--reference",
                    task.filePath(QStringLiteral("solution.txt")), "--report", json, correct, wrong});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(QStringLiteral("Задача:  ")
                            + QDir::toNativeSeparators(task.filePath(QStringLiteral("Zerid.txt")))),
             qPrintable(run.out));
    QVERIFY2(lines.contains(correct + QStringLiteral(" — OK — верно")), qPrintable(run.out));
    QVERIFY2(
        std::any_of(lines.begin(), lines.end(),
                    [&](const QString &line) { return line.startsWith(wrong + QStringLiteral(" — WA ")); }),
        qPrintable(run.out));

    const QJsonArray judged = readJson(json).value(QStringLiteral("files")).toArray();
    QCOMPARE(judged.size(), 2);
    QCOMPARE(judged.at(0).toObject().value(QStringLiteral("file")).toString(), correct);
    QCOMPARE(judged.at(1).toObject().value(QStringLiteral("file")).toString(), wrong);
}

void TestJury::folderArguments_data()
{
    QTest::addColumn<QStringList>("files"); // made below the work folder, each a correct solution
    QTest::addColumn<QStringList>("links"); // "link>target"
    QTest::addColumn<QString>("locked");    // a sub-folder no one may read; empty: none
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<QStringList>("judged"); // in the reports' order
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHolds");

    const QStringList classes{"works/b.txt", "works/B.txt", "works/a.TXT", "works/sub/c.txt",
                              "works/notes.doc"};
    QTest::newRow("a folder: its own *.txt files, in byte order")
        << classes << QStringList{} << "" << false << QStringList{"works/B.txt", "works/a.TXT", "works/b.txt"}
        << 0 << "";
    QTest::newRow("--recursive: sub-folders too, by the path below the folder")
        << classes << QStringList{} << "" << true
        << QStringList{"works/B.txt", "works/a.TXT", "works/b.txt", "works/sub/c.txt"} << 0 << "";
    QTest::newRow("a link back up is entered once")
        << QStringList{"works/a.txt", "works/7a/b.txt"} << QStringList{"works/7a/up>.."} << "" << true
        << QStringList{"works/7a/b.txt", "works/a.txt"} << 0 << "works/7a/up пропущена";
    QTest::newRow("a link to a sibling folder is entered once")
        << QStringList{"works/7a/a.txt", "works/7b/b.txt"} << QStringList{"works/7b/same>../7a"} << "" << true
        << QStringList{"works/7a/a.txt", "works/7b/b.txt"} << 0 << "works/7b/same пропущена";
    QTest::newRow("an unreadable sub-folder is named")
        << QStringList{"works/a.txt", "works/locked/b.txt"} << QStringList{} << "works/locked" << true
        << QStringList{"works/a.txt"} << 1
        << "папка " + QDir::toNativeSeparators("works/locked") + " не читается";
}

void TestJury::folderArguments()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, links);
    QFETCH(QString, locked);
    QFETCH(bool, recursive);
    QFETCH(QStringList, judged);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHolds);

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QDir root(work.path());
    for (const QString &file : files) {
        QVERIFY(root.mkpath(QFileInfo(file).path()));
        QVERIFY(QFile::copy(caseFile(QStringLiteral("ok.txt")), root.filePath(file)));
    }
    for (const QString &link : links) {
        const QStringList ends = link.split(QLatin1Char('>'));
        QVERIFY(QFile::link(ends.at(1), root.filePath(ends.at(0))));
    }
    if (!locked.isEmpty()) {
        QFile folder(root.filePath(locked));
        QVERIFY(folder.setPermissions({}));
        if (QDir(root.filePath(locked)).isReadable()) {
            folder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user reads every folder (root); an unreadable one cannot be made");
        }
    }
    const auto unlock = qScopeGuard([&] {
        if (!locked.isEmpty())
            QFile(root.filePath(locked))
                .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });

    const QString json = root.filePath(QStringLiteral("r.json"));
    QStringList arguments{"--jury", "--task", exampleTask("maze"), "--report", json};
    if (recursive)
        arguments.append(QStringLiteral("--recursive"));
    arguments.append(root.filePath(QStringLiteral("works")));
    const CheckerRun run = runChecker(arguments);
    QVERIFY2(run.err.contains(stderrHolds), qPrintable(run.err));
    QCOMPARE(run.exitCode, exitCode);
    QStringList order;
    for (const QJsonValue &file : readJson(json).value(QStringLiteral("files")).toArray())
        order.append(root.relativeFilePath(file.toObject().value(QStringLiteral("file")).toString()));
    QCOMPARE(order, judged);
}

QTEST_GUILESS_MAIN(TestJury)
#include "tst_jury.moc"

void TestJury::caseFolderVerdicts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");    // the file's code in every report
    QTest::addColumn<QString>("verdict"); // the JSON's name of it
    QTest::addColumn<QString>("reason");  // a piece of the first error, as the JSON and the PDF give it

    QTest::newRow("every test right") << "ok.txt"
                                      << "OK"
                                      << "correct"
                                      << "";
    QTest::newRow("ends away from Б") << "wa.txt"
                                      << "WA 1"
                                      << "wrong"
                                      << "";
    QTest::newRow("runs into a wall") << "cr.txt"
                                      << "CR 1"
                                      << "wrong"
                                      << "";
    QTest::newRow("an endless loop") << "tl.txt"
                                     << "TL 1"
                                     << "wrong"
                                     << "";
    QTest::newRow("a loop without its end") << "re.txt"
                                            << "RE 1"
                                            << "wrong"
                                            << "";
    QTest::newRow("an empty file") << "empty.txt"
                                   << "CE"
                                   << "not_algorithm"
                                   << "пустой файл";
    QTest::newRow("a picture saved as .txt") << "binary.txt"
                                             << "CE"
                                             << "not_algorithm"
                                             << "нет строки «НАЧ» (текст прочитан в кодировке Windows-1251)";
    QTest::newRow("a header whose UTF-8 has a broken byte") << "header-only.txt"
                                                            << "CE"
                                                            << "not_algorithm"
                                                            << "в кодировке Windows-1251";
    QTest::newRow("a name of 120 Cyrillic letters")
        << "Иванов_Иван_Иванович_школа_номер_сорок_два_город_Новосибирск_седьмой_класс_задача_лабиринт_"
           "окончательное_решение_вар.txt"
        << "OK"
        << "correct"
        << "";
    QTest::newRow("the same name in one class folder") << "7a/NoName.txt"
                                                       << "OK"
                                                       << "correct"
                                                       << "";
    QTest::newRow("and in another") << "7b/NoName.txt"
                                    << "WA 1"
                                    << "wrong"
                                    << "";
}

void TestJury::caseFolderVerdicts()
{
    QFETCH(QString, file);
    QFETCH(QString, code);
    QFETCH(QString, verdict);
    QFETCH(QString, reason);
    const CaseReports &reports = caseReports();
    const QString path = caseFile(file);
    if (file.size() > 100)
        QCOMPARE(file.size(), 120);
    QVERIFY(reports.files.contains(path));
    QCOMPARE(reports.exitCode, 1);

    QJsonObject judged;
    for (const QJsonValue &value : reports.json.value(QStringLiteral("files")).toArray()) {
        if (value.toObject().value(QStringLiteral("file")).toString() == path)
            judged = value.toObject();
    }
    QCOMPARE(judged.value(QStringLiteral("code")).toString(), code);
    QCOMPARE(judged.value(QStringLiteral("verdict")).toString(), verdict);
    QVERIFY(judged.value(QStringLiteral("error")).toString().contains(reason));
    const QJsonArray passes = judged.value(QStringLiteral("passes")).toArray();
    QCOMPARE(passes.size(), verdict == QLatin1String("not_algorithm") ? 0 : 32);
    for (qsizetype i = 0; i < passes.size(); ++i)
        QCOMPARE(passes.at(i).toObject().value(QStringLiteral("test")).toInt(), i + 1);
    if (code.contains(QLatin1Char(' ')))
        QCOMPARE(passes.first().toObject().value(QStringLiteral("code")).toString(), code.left(2));

    // The CSV: no cell breaks a line, and the file's rows carry its verdict.
    const QStringList header = reports.csv.value(3);
    const qsizetype verdictColumn = header.indexOf(QStringLiteral("verdict"));
    QVERIFY(verdictColumn > 0);
    int rows = 0;
    for (const QStringList &row : reports.csv) {
        for (const QString &cell : row)
            QVERIFY(!cell.contains(QLatin1Char('\n')));
        if (row.first() == path) {
            ++rows;
            QCOMPARE(row.at(verdictColumn), verdict);
        }
    }
    QCOMPARE(rows, qMax<qsizetype>(1, passes.size()));

    if (reports.pdfText.isEmpty())
        QSKIP("pdftotext is not installed; the protocol's text is not read back");
    // A long name may wrap, but no letter of it is cut or replaced by a ligature.
    const QString pdf = withoutSpaces(reports.pdfText);
    QVERIFY2(pdf.contains(withoutSpaces(path)), qPrintable(path));
    QVERIFY(pdf.contains(withoutSpaces(code + QStringLiteral(" — "))));
    QVERIFY(pdf.contains(withoutSpaces(reason)));
    QVERIFY(pdf.contains(
        withoutSpaces(QStringLiteral("Итого: файлов 11; OK 3, WA 2, CR 1, TL 1, RE 1, CE 3, FE 0"))));
}
