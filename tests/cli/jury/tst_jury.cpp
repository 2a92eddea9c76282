// Whole runs of shagaika-check --jury on the example tasks, with correct and wrong
// solutions under tests/cli/jury/<task>.
#include "cli/jury/report/jurypicture.h"
#include "display/fieldgeometry.h"
#include "filehelpers.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
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

CheckerRun runChecker(const QStringList &arguments, const QString &workingFolder = {})
{
    static QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workingFolder);
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
QList<QStringList> parseCsv(const QString &text, QChar separator = QLatin1Char(';'))
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
        } else if (c == separator) {
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

// A CSV report read back: the UTF-8 mark checked and dropped, every row as header → field.
QList<QHash<QString, QString>> readCsvTable(const QString &path, QChar separator = QLatin1Char(';'))
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return {};
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(bytes.mid(3)), separator);
    QList<QHash<QString, QString>> table;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        if (rows.at(i).size() != rows.first().size())
            return {}; // a row that does not fit its header: the file is broken
        QHash<QString, QString> row;
        for (qsizetype j = 0; j < rows.first().size(); ++j)
            row.insert(rows.first().at(j), rows.at(i).at(j));
        table.append(row);
    }
    return table;
}

QString pdfText(const QString &pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        return {};
    // In the order drawn: each cell's text whole, not mixed with its neighbours'.
    QProcess text;
    text.start(pdftotext, {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

QString checkerVersion()
{
    QProcess process;
    process.start(QStringLiteral(SHAGAIKA_CHECK_BINARY), {QStringLiteral("--version")});
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// One jury run over the case folder, with every report read back; the runs are made once.
struct CaseReports
{
    QStringList files;
    int exitCode = -1;
    QJsonObject json;
    QList<QHash<QString, QString>> pupilsCsv;
    QList<QHash<QString, QString>> testsCsv;
    QString pdfText; // empty without pdftotext
};

const CaseReports &caseReports()
{
    static const CaseReports reports = [] {
        CaseReports made;
        const QDir folder(sourcePath(QStringLiteral("tests/cli/jury/cases")));
        for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            made.files.append(folder.filePath(name));
        made.files << caseFile(QStringLiteral("7a/NoName.txt")) << caseFile(QStringLiteral("7b/NoName.txt"))
                   << caseFile(QStringLiteral("absent.txt"));
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
                made.pupilsCsv = readCsvTable(report);
                made.testsCsv = readCsvTable(out.filePath(QStringLiteral("report-tests.csv")));
            } else {
                made.pdfText = pdfText(report);
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
    void hashesMatchSha256sum();
    void csvHoldsEveryPass();
    void tableNamesEveryFileAndTotal();
    void parallelRunsKeepOrderAndResults();
    void pdfProtocol();
    void pupilProtocol_data();
    void pupilProtocol();
    void pdfNamesLetterByLetter_data();
    void pdfNamesLetterByLetter();
    void csvConventions_data();
    void csvConventions();
    void diffPictures_data();
    void diffPictures();
    void caseFolderVerdicts_data();
    void caseFolderVerdicts();
    void percentNamesKeptWhole_data();
    void percentNamesKeptWhole();
    void folderArguments_data();
    void folderArguments();
    void reportsNameLimitAndTest_data();
    void reportsNameLimitAndTest();
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

    // Each failing test names the command that opens it in the pupil's window.
    for (const QJsonValue &value : passList) {
        const QJsonObject pass = value.toObject();
        const QString replay = QStringLiteral("shagaika --task %1 --test %2 %3")
                                   .arg(exampleTask(task))
                                   .arg(pass.value(QStringLiteral("test")).toInt())
                                   .arg(juryFile(task, file));
        QCOMPARE(pass.value(QStringLiteral("replay")).toString(),
                 pass.value(QStringLiteral("correct")).toBool() ? QString() : replay);
    }

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

void TestJury::hashesMatchSha256sum()
{
    if (QStandardPaths::findExecutable(QStringLiteral("sha256sum")).isEmpty())
        QSKIP("sha256sum is not installed");
    const QString task = exampleTask(QStringLiteral("letter"));
    const QString reference = task + QStringLiteral("/solution.txt");
    QTemporaryDir out;
    // A file too large to be judged is still cited by its hash.
    const QString large = out.filePath(QStringLiteral("works/large.txt"));
    QVERIFY(QDir(out.path()).mkdir(QStringLiteral("works")));
    QVERIFY(writeBytes(large, QByteArray(4 * 1024 * 1024 + 1, 'x')));
    const QStringList files{juryFile("letter", "good.txt"), juryFile("letter", "overshoot.txt"),
                            juryFile("letter", "extra-edge.txt"), large};
    const QString json = out.filePath(QStringLiteral("r.json"));
    const QString csv = out.filePath(QStringLiteral("r.csv"));
    const QString text = out.filePath(QStringLiteral("r.txt"));
    // Each report twice: the second run replaces the report the first one wrote.
    for (const QString &report : {json, csv, text, out.filePath(QStringLiteral("r.pdf")), json, csv, text,
                                  out.filePath(QStringLiteral("r.pdf"))}) {
        const CheckerRun run = runChecker(
            QStringList{"--jury", "--task", task, "--reference", reference, "--report", report} + files);
        QVERIFY2(run.exitCode == 1, qPrintable(run.err));
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

    const QList<QHash<QString, QString>> rows = readCsvTable(csv);
    const QList<QHash<QString, QString>> testRows = readCsvTable(out.filePath(QStringLiteral("r-tests.csv")));
    QCOMPARE(rows.size(), files.size());
    QCOMPARE(testRows.size(), files.size()); // the letter has one test
    const QString table = readText(text);
    // The file, unlike the terminal, begins with the program and the time.
    QVERIFY2(table.startsWith(QStringLiteral("Протокол проверки: %1, составлен ").arg(checkerVersion())),
             qPrintable(table.left(200)));

    for (const auto &row : rows + testRows) {
        QCOMPARE(row.value(QStringLiteral("SHA-256 задачи")), taskHash);
        QCOMPARE(row.value(QStringLiteral("SHA-256 эталона")), referenceHash);
    }
    QVERIFY(table.contains(taskHash));
    QVERIFY(table.contains(referenceHash));
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString hash = sha256sum(files.at(i));
        QCOMPARE(judged.at(i).toObject().value(QStringLiteral("sha256")).toString(), hash);
        QCOMPARE(rows.at(i).value(QStringLiteral("Файл")), files.at(i));
        QCOMPARE(rows.at(i).value(QStringLiteral("SHA-256")), hash);
        QCOMPARE(testRows.at(i).value(QStringLiteral("SHA-256")), hash);
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
    const QList<QHash<QString, QString>> pupils = readCsvTable(csv);
    QCOMPARE(pupils.size(), 2);
    QCOMPARE(pupils.at(0).value(QStringLiteral("Код")), QStringLiteral("OK"));
    QCOMPARE(pupils.at(0).value(QStringLiteral("Пройдено тестов")), QStringLiteral("32"));
    QCOMPARE(pupils.at(0).value(QStringLiteral("Первый неверный тест")), QString());
    QCOMPARE(pupils.at(1).value(QStringLiteral("Код")), QStringLiteral("CR"));
    QCOMPARE(pupils.at(1).value(QStringLiteral("Вердикт")), QStringLiteral("столкновение со стеной"));
    QCOMPARE(pupils.at(1).value(QStringLiteral("Пройдено тестов")), QStringLiteral("0"));
    QCOMPARE(pupils.at(1).value(QStringLiteral("Всего тестов")), QStringLiteral("32"));
    QCOMPARE(pupils.at(1).value(QStringLiteral("Первый неверный тест")), QStringLiteral("1"));

    const QList<QHash<QString, QString>> rows = readCsvTable(out.filePath(QStringLiteral("r-tests.csv")));
    QCOMPARE(rows.size(), 2 * 32);
    // The first file's rows: sizes ascending, arrangements in the run's order, tests numbered.
    QCOMPARE(rows.at(0).value(QStringLiteral("Поле")), QStringLiteral("12"));
    QCOMPARE(rows.at(0).value(QStringLiteral("Стенки")), QStringLiteral("1 1 1"));
    QCOMPARE(rows.at(1).value(QStringLiteral("Стенки")), QStringLiteral("1 1 2"));
    QCOMPARE(rows.at(7).value(QStringLiteral("Стенки")), QStringLiteral("2 2 2"));
    QCOMPARE(rows.at(8).value(QStringLiteral("Поле")), QStringLiteral("13"));
    QCOMPARE(rows.at(31).value(QStringLiteral("Поле")), QStringLiteral("15"));
    for (int i = 0; i < 64; ++i) {
        const bool good = i < 32;
        QCOMPARE(rows.at(i).value(QStringLiteral("Тест")), QString::number(i % 32 + 1));
        QCOMPARE(rows.at(i).value(QStringLiteral("Код")), good ? QStringLiteral("OK") : QStringLiteral("CR"));
        // A crash names the line it happened on; a pass run to its end names none.
        QCOMPARE(rows.at(i).value(QStringLiteral("Строка")).isEmpty(), good);
        QCOMPARE(rows.at(i).value(QStringLiteral("Повторить тест")).isEmpty(), good);
    }
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
        const QString replay =
            QStringLiteral("      повторить: shagaika --task %1 --test 1 %2").arg(letter, file);
        QCOMPARE(lines.contains(replay), !correct);
    }
    QVERIFY(run.out.contains(QStringLiteral("лишние: (6,8)-(6,9)")));
    QVERIFY(run.out.contains(QStringLiteral("нет: (3,2)-(4,2)")));
    QVERIFY(run.out.contains(QStringLiteral("лишние: (6,8)-(7,8)")));
    QVERIFY(run.out.contains(QStringLiteral("авария в (11,2)")));
}

void TestJury::parallelRunsKeepOrderAndResults()
{
    const QStringList names{"straight.txt", "good.txt", "endless.txt", "until-wall.txt", "no-loop-end.txt"};
    QTemporaryDir out;
    // Each file twice: the second time a copy, as a file named twice is judged once.
    QStringList files;
    for (int round = 0; round < 2; ++round) {
        for (const QString &name : names) {
            files.append(round == 0 ? juryFile("maze", name) : out.filePath(name));
            QVERIFY(round == 0 || QFile::copy(juryFile("maze", name), files.last()));
        }
    }
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
        // Each copy names the other.
        for (qsizetype copy : {i, i + names.size()}) {
            QJsonObject copied = judged.at(copy).toObject();
            QCOMPARE(copied.take(QStringLiteral("file")).toString(), files.at(copy));
            QCOMPARE(copied.take(QStringLiteral("identical_to")).toArray(),
                     QJsonArray{files.at(copy == i ? i + names.size() : i)});
            QJsonObject own = single;
            own.remove(QStringLiteral("file"));
            QCOMPARE(own.take(QStringLiteral("identical_to")).toArray(), QJsonArray());
            // The replay commands name the copy itself.
            QCOMPARE(QJsonDocument(copied).toJson(QJsonDocument::Compact),
                     QJsonDocument(own)
                         .toJson(QJsonDocument::Compact)
                         .replace(files.at(i).toUtf8(), files.at(copy).toUtf8()));
        }
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

    // Every page names the program and its number among all; the last holds the signatures.
    QStringList pages = content.split(QLatin1Char('\f'));
    if (pages.last().trimmed().isEmpty())
        pages.removeLast();
    QVERIFY(pages.size() >= 2); // the round, then the wrong file's page
    const QString version = checkerVersion();
    QVERIFY(version.startsWith(QStringLiteral("shagaika-check ")));
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QVERIFY2(pages.at(i).contains(QStringLiteral("стр. %1 из %2").arg(i + 1).arg(pages.size())),
                 qPrintable(pages.at(i)));
        QVERIFY(pages.at(i).contains(version));
    }
    QVERIFY(pages.last().contains(QStringLiteral("Председатель жюри")));
    QVERIFY(pages.last().contains(QStringLiteral("Члены жюри")));
    QCOMPARE(pages.last().count(QStringLiteral("подпись")), 4);
    QVERIFY(!pages.first().contains(QStringLiteral("Председатель жюри")));
}

void TestJury::pupilProtocol_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("others"); // judged beside it, not shown
    QTest::addColumn<int>("pictures");       // one per failing test
    QTest::addColumn<QString>("mark");       // where the first failing test stopped, in the text

    QTest::newRow("a crash on every test") << "cr.txt" << QStringList{} << 32 << "← CR 1, CR 2, CR 3";
    QTest::newRow("the limit on every test") << "tl.txt" << QStringList{} << 32 << "← TL 1, TL 2";
    QTest::newRow("a wrong end: pictures, no line") << "wa.txt" << QStringList{"ok.txt"} << 32 << "";
    QTest::newRow("a correct file: no picture") << "ok.txt" << QStringList{"wa.txt", "cr.txt"} << 0 << "";
}

void TestJury::pupilProtocol()
{
    QFETCH(QString, file);
    QFETCH(QStringList, others);
    QFETCH(int, pictures);
    QFETCH(QString, mark);
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("pupil.pdf"));
    const QString json = out.filePath(QStringLiteral("pupil.json"));
    QStringList arguments{"--jury", "--task", exampleTask("maze"), "--time-limit",
                          "3600",   "--only", caseFile(file)};
    for (const QString &other : others)
        arguments.append(caseFile(other));
    for (const QString &report : {pdf, json}) {
        const CheckerRun run = runChecker(arguments + QStringList{"--report", report});
        QCOMPARE(run.exitCode, pictures > 0 || !others.isEmpty() ? 1 : 0);
        // The table names the chosen pupil alone, his text numbered as the protocol has it.
        QVERIFY(run.out.contains(QStringLiteral("  Текст алгоритма:\n")));
        for (const QString &other : others)
            QVERIFY(!run.out.contains(caseFile(other)));
    }

    // Only the chosen pupil is reported, with his text kept apart from the others'.
    const QJsonArray judged = readJson(json).value(QStringLiteral("files")).toArray();
    QCOMPARE(judged.size(), 1);
    QCOMPARE(judged.first().toObject().value(QStringLiteral("file")).toString(), caseFile(file));

    const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
    const QString content = pdfText(pdf);
    if (content.isEmpty() || pdfimages.isEmpty())
        QSKIP("poppler-utils are not installed; the protocol is not read back");
    QVERIFY(content.contains(QStringLiteral("Протокол проверки решения")));
    QVERIFY(content.contains(QStringLiteral("Статистика: команд")));
    QVERIFY(content.contains(QStringLiteral("Пройдено тестов: ")));
    // The text with its lines numbered from 1, the line of the stop marked with its tests.
    QFile source(caseFile(file));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const int lineCount = int(source.readAll().count('\n'));
    QVERIFY(lineCount > 3);
    QVERIFY2(content.contains(QRegularExpression(QStringLiteral("\\n\\s*%1\\s+КОН").arg(lineCount))),
             qPrintable(content));
    if (!mark.isEmpty())
        QVERIFY2(content.contains(
                     QRegularExpression(QStringLiteral("\\n7\\s+\\S.*") + QRegularExpression::escape(mark))),
                 qPrintable(content));
    else
        QVERIFY(!content.contains(QStringLiteral("← ")));
    for (int test = 1; test <= 32; ++test)
        QVERIFY2(content.contains(
                     QRegularExpression(QStringLiteral("[\\n\\f]%1 1[2-5] [12] [12] [12] ").arg(test))),
                 qPrintable(QString::number(test)));
    QVERIFY(content.contains(QStringLiteral("Председатель жюри")));

    QProcess list;
    list.start(pdfimages, {QStringLiteral("-list"), pdf});
    QVERIFY(list.waitForFinished(30000));
    const QStringList images =
        QString::fromUtf8(list.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(images.size() - 2, pictures); // two lines of header
}

void TestJury::pdfNamesLetterByLetter_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fi and fl") << "final-fifl-office.txt"
                               << "final-fifl-office.txt";
    QTest::newRow("ffi, ffl and ft") << "affix-waffle-soft.txt"
                                     << "affix-waffle-soft.txt";
    QTest::newRow("Cyrillic beside Latin") << "Ефимов-fi-ff.txt"
                                           << "Ефимов-fi-ff.txt";
    QTest::newRow("a tab, a line break and a backslash, escaped as in the table")
        << "tab\tline\nslash\\.txt"
        << "tab\\tline\\nslash\\\\.txt";
}

void TestJury::pdfNamesLetterByLetter()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QTemporaryDir out;
    const QString file = out.filePath(name);
    QVERIFY(QFile::copy(caseFile(QStringLiteral("wa.txt")), file));
    const QString pdf = out.filePath(QStringLiteral("r.pdf"));
    QCOMPARE(runChecker({"--jury", "--task", exampleTask("maze"), "--report", pdf, file}).exitCode, 1);
    const QString content = pdfText(pdf);
    if (content.isEmpty())
        QSKIP("pdftotext is not installed; the protocol's text is not read back");
    // A ligature would come back as one sign (ﬁ, ﬂ, ﬃ) and the name would not be found.
    QVERIFY2(withoutSpaces(content).contains(withoutSpaces(shown)), qPrintable(content));
    QVERIFY(!content.contains(QRegularExpression(QStringLiteral("[\\x{FB00}-\\x{FB06}]"))));
}

void TestJury::csvConventions_data()
{
    QTest::addColumn<QString>("separator"); // empty: the default
    QTest::addColumn<QString>("used");

    QTest::newRow("semicolon by default") << ""
                                          << ";";
    QTest::newRow("semicolon chosen") << ";"
                                      << ";";
    QTest::newRow("comma chosen") << ","
                                  << ",";
}

void TestJury::csvConventions()
{
    QFETCH(QString, separator);
    QFETCH(QString, used);
    QTemporaryDir out;
    // Names that a spreadsheet would split or take for a formula.
    const QStringList names{"=1+2.txt", "-a.txt", "@b.txt", "c;d.txt", "e,f.txt", "\"g\".txt", "h\ti\\j.txt"};
    QStringList files;
    for (const QString &name : names) {
        files.append(name); // as the jury names them, from the folder they are in
        QVERIFY(QFile::copy(caseFile(QStringLiteral("wa.txt")), out.filePath(name)));
    }
    const QString csv = out.filePath(QStringLiteral("r.csv"));
    QStringList arguments{"--jury", "--task", exampleTask("maze"), "--report", csv};
    if (!separator.isEmpty())
        arguments << "--csv-separator" << separator;
    QCOMPARE(runChecker(arguments + QStringList{"--"} + files, out.path()).exitCode, 1);

    const QList<QHash<QString, QString>> pupils = readCsvTable(csv, used.front());
    QCOMPARE(pupils.size(), names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString shown = pupils.at(i).value(QStringLiteral("Файл"));
        const bool formula = QStringLiteral("=-@").contains(files.at(i).front());
        // Shown as the table shows names: a tab and a backslash escaped.
        QString name = files.at(i);
        name.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('\t'), QLatin1String("\\t"));
        QCOMPARE(shown, formula ? QLatin1Char('\'') + name : name);
        QCOMPARE(pupils.at(i).value(QStringLiteral("Код")), QStringLiteral("WA"));
        QCOMPARE(pupils.at(i).value(QStringLiteral("Программа")), checkerVersion());
        QVERIFY(
            QDateTime::fromString(pupils.at(i).value(QStringLiteral("Составлен")), Qt::ISODate).isValid());
        QCOMPARE(pupils.at(i).value(QStringLiteral("Группа одинаковых файлов")), QStringLiteral("1"));
    }
    const QList<QHash<QString, QString>> tests =
        readCsvTable(out.filePath(QStringLiteral("r-tests.csv")), used.front());
    QCOMPARE(tests.size(), names.size() * 32);

    // Python's csv module reads both files alike, a row for each line.
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3 is not installed");
    QProcess read;
    read.start(python,
               {QStringLiteral("-c"),
                QStringLiteral("import csv, sys\n"
                               "for name in sys.argv[2:]:\n"
                               "    with open(name, encoding='utf-8-sig', newline='') as f:\n"
                               "        rows = list(csv.reader(f, delimiter=sys.argv[1]))\n"
                               "    print(len(rows), len(set(map(len, rows))), rows[1][1])\n"),
                used, csv, out.filePath(QStringLiteral("r-tests.csv"))});
    QVERIFY(read.waitForFinished(30000));
    const QStringList printed =
        QString::fromUtf8(read.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(printed,
             (QStringList{QStringLiteral("%1 1 '%2").arg(names.size() + 1).arg(files.first()),
                          QStringLiteral("%1 1 '%2").arg(names.size() * 32 + 1).arg(files.first())}));
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
        << QStringList{"works/a.txt"} << 1 << QDir::toNativeSeparators("works/locked") + " не читается";
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
    const QString csv = root.filePath(QStringLiteral("r.csv"));
    QStringList arguments{"--jury", "--task", exampleTask("maze"), "--report", json, "--report", csv};
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
    // A folder not read is named in every report.
    QCOMPARE(readJson(json).value(QStringLiteral("unread_folders")).toArray().size(),
             locked.isEmpty() ? 0 : 1);
    QCOMPARE(run.out.contains(QStringLiteral("Не проверены файлы папки ")), !locked.isEmpty());
    const auto rows = readCsvTable(csv);
    QCOMPARE(std::count_if(rows.begin(), rows.end(),
                           [](const auto &row) {
                               return row.value(QStringLiteral("Вердикт"))
                                   == QStringLiteral("папка не проверена");
                           }),
             locked.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestJury)
#include "tst_jury.moc"

void TestJury::reportsNameLimitAndTest_data()
{
    // Of each --report, all from one run; "out": the table on standard output.
    QTest::addColumn<QStringList>("formats");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("test"); // as every report names it; empty: every test runs

    const QString seventh = QStringLiteral("тест 7 — поле 12 × 12, стенки 2 2 1");
    const QString last = QStringLiteral("тест 32 — поле 15 × 15, стенки 2 2 2");
    QTest::newRow("table: a test chosen")
        << QStringList{"out"} << QStringList{"--test", "7"} << "1000000" << seventh;
    QTest::newRow("table: the last test, a limit")
        << QStringList{"out"} << QStringList{"--test", "32", "--limit", "5000"} << "5000" << last;
    QTest::newRow("CSV: every test, the default limit") << QStringList{"csv"} << QStringList{} << "1000000"
                                                        << "";
    QTest::newRow("CSV: a test chosen, a limit")
        << QStringList{"csv"} << QStringList{"--test", "7", "--limit", "5000"} << "5000" << seventh;
    QTest::newRow("JSON: every test") << QStringList{"json"} << QStringList{"--limit", "5000"} << "5000"
                                      << "";
    QTest::newRow("JSON: a test chosen")
        << QStringList{"json"} << QStringList{"--test", "32"} << "1000000" << last;
    QTest::newRow("PDF: a test chosen, a limit")
        << QStringList{"pdf"} << QStringList{"--test", "7", "--limit", "5000"} << "5000" << seventh;
    QTest::newRow("every format at once: a test chosen, a limit")
        << QStringList{"txt", "csv", "json", "pdf"} << QStringList{"--test", "7", "--limit", "5000"} << "5000"
        << seventh;
    QTest::newRow("CSV and JSON at once: every test")
        << QStringList{"csv", "json"} << QStringList{} << "1000000"
        << "";
}

void TestJury::reportsNameLimitAndTest()
{
    QFETCH(QStringList, formats);
    QFETCH(QStringList, options);
    QFETCH(QString, limit);
    QFETCH(QString, test);
    QTemporaryDir out;
    QStringList arguments =
        QStringList{"--jury", "--task", exampleTask("maze"), "--time-limit", "3600"} + options;
    for (const QString &format : std::as_const(formats)) {
        if (format != QLatin1String("out"))
            arguments << "--report" << out.filePath(QStringLiteral("r.") + format);
    }
    const CheckerRun run = runChecker(arguments + QStringList{caseFile("wa.txt"), caseFile("empty.txt")});
    QCOMPARE(run.exitCode, 1);
    const QString heading = QStringLiteral("Проверяется только ") + test;

    for (const QString &format : std::as_const(formats)) {
        const QString report = out.filePath(QStringLiteral("r.") + format);
        if (format == QLatin1String("out") || format == QLatin1String("txt")) {
            const QString table = format == QLatin1String("out") ? run.out : readText(report);
            QVERIFY2(table.contains(QLatin1Char('\n') + heading + QLatin1Char('\n')), qPrintable(table));
            QVERIFY(table.contains(QStringLiteral("Пределы: %1 подсвеченных строк за проход").arg(limit)));
        } else if (format == QLatin1String("csv")) {
            const QList<QHash<QString, QString>> pupils = readCsvTable(report);
            const QList<QHash<QString, QString>> tests =
                readCsvTable(out.filePath(QStringLiteral("r-tests.csv")));
            QCOMPARE(pupils.size(), 2);
            QCOMPARE(tests.size(), test.isEmpty() ? 33 : 2);
            for (const auto &row : pupils + tests) {
                QCOMPARE(row.value(QStringLiteral("Предел подсвеченных строк за проход")), limit);
                QCOMPARE(row.value(QStringLiteral("Выбранный тест")), test);
            }
            if (!test.isEmpty()) {
                QCOMPARE(pupils.first().value(QStringLiteral("Всего тестов")), QStringLiteral("1"));
                QCOMPARE(tests.first().value(QStringLiteral("Тест")), test.section(QLatin1Char(' '), 1, 1));
            }
        } else if (format == QLatin1String("json")) {
            const QJsonObject json = readJson(report);
            QCOMPARE(json.value(QStringLiteral("limits"))
                         .toObject()
                         .value(QStringLiteral("highlights_per_pass"))
                         .toInteger(),
                     limit.toLongLong());
            const QJsonValue chosen = json.value(QStringLiteral("test"));
            QCOMPARE(chosen.isNull(), test.isEmpty());
            QCOMPARE(chosen.toObject().value(QStringLiteral("title")).toString(), test);
            if (!test.isEmpty()) {
                const QJsonArray passes = json.value(QStringLiteral("files"))
                                              .toArray()
                                              .first()
                                              .toObject()
                                              .value(QStringLiteral("passes"))
                                              .toArray();
                QCOMPARE(passes.size(), 1);
                QCOMPARE(passes.first().toObject().value(QStringLiteral("test")).toInt(),
                         chosen.toObject().value(QStringLiteral("number")).toInt());
            }
            QCOMPARE(json.value(QStringLiteral("summary")).toObject().value(QStringLiteral("files")).toInt(),
                     2);
        } else {
            const QString text = pdfText(report);
            if (text.isEmpty())
                QSKIP("pdftotext is not installed; the protocol's text is not read back");
            QVERIFY2(withoutSpaces(text).contains(withoutSpaces(heading)), qPrintable(text));
            QVERIFY(withoutSpaces(text).contains(
                withoutSpaces(QStringLiteral("Пределы: %1 подсвеченных").arg(limit))));
        }
    }
}

void TestJury::caseFolderVerdicts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("code");       // the file's code in every report
    QTest::addColumn<QString>("verdict");    // the JSON's name of it
    QTest::addColumn<QString>("reason");     // a piece of the first error, as the JSON and the PDF give it
    QTest::addColumn<QStringList>("sameAs"); // the case files with the same bytes
    QTest::addColumn<int>("statLines");      // the statistics' count of lines; -1: no algorithm
    QTest::addColumn<int>("stopLine");       // where the first failing test stopped; 0: none

    QTest::newRow("every test right") << "ok.txt"
                                      << "OK"
                                      << "correct"
                                      << ""
                                      << QStringList{"Иванов_Иван_Иванович_школа_номер_сорок_два_город_"
                                                     "Новосибирск_седьмой_класс_задача_лабиринт_"
                                                     "окончательное_решение_вар.txt",
                                                     "7a/NoName.txt"}
                                      << 35 << 0;
    QTest::newRow("ends away from Б") << "wa.txt"
                                      << "WA 1"
                                      << "wrong"
                                      << "" << QStringList{"7b/NoName.txt"} << 9 << 0;
    QTest::newRow("runs into a wall") << "cr.txt"
                                      << "CR 1"
                                      << "wrong"
                                      << "" << QStringList{} << 16 << 7;
    QTest::newRow("an endless loop") << "tl.txt"
                                     << "TL 1"
                                     << "wrong"
                                     << "" << QStringList{} << 12 << 7;
    QTest::newRow("a loop without its end") << "re.txt"
                                            << "RE 1"
                                            << "wrong"
                                            << "" << QStringList{} << 8 << 8;
    QTest::newRow("an empty file") << "empty.txt"
                                   << "CE"
                                   << "not_algorithm"
                                   << "пустой файл" << QStringList{} << -1 << 0;
    QTest::newRow("a text cut off before its КОН")
        << "no-end.txt"
        << "CE"
        << "not_algorithm"
        << "нет строки «КОН» после «НАЧ»" << QStringList{} << -1 << 0;
    QTest::newRow("a picture saved as .txt")
        << "binary.txt"
        << "CE"
        << "not_algorithm"
        << "нет строки «НАЧ» (текст прочитан в кодировке Windows-1251)" << QStringList{} << -1 << 0;
    QTest::newRow("a header whose UTF-8 has a broken byte")
        << "header-only.txt"
        << "CE"
        << "not_algorithm"
        << "в кодировке Windows-1251" << QStringList{} << -1 << 0;
    QTest::newRow("a file that is not there") << "absent.txt"
                                              << "FE"
                                              << "unreadable"
                                              << "нет такого файла или папки" << QStringList{} << -1 << 0;
    QTest::newRow("a name of 120 Cyrillic letters")
        << "Иванов_Иван_Иванович_школа_номер_сорок_два_город_Новосибирск_седьмой_класс_задача_лабиринт_"
           "окончательное_решение_вар.txt"
        << "OK"
        << "correct"
        << "" << QStringList{"ok.txt", "7a/NoName.txt"} << 35 << 0;
    QTest::newRow("the same name in one class folder")
        << "7a/NoName.txt"
        << "OK"
        << "correct"
        << ""
        << QStringList{"ok.txt",
                       "Иванов_Иван_Иванович_школа_номер_сорок_два_город_Новосибирск_седьмой_класс_задача_"
                       "лабиринт_"
                       "окончательное_решение_вар.txt"}
        << 35 << 0;
    QTest::newRow("and in another") << "7b/NoName.txt"
                                    << "WA 1"
                                    << "wrong"
                                    << "" << QStringList{"wa.txt"} << 9 << 0;
}

void TestJury::caseFolderVerdicts()
{
    QFETCH(QString, file);
    QFETCH(QString, code);
    QFETCH(QString, verdict);
    QFETCH(QString, reason);
    QFETCH(QStringList, sameAs);
    QFETCH(int, statLines);
    QFETCH(int, stopLine);
    QStringList identical;
    for (const QString &name : sameAs)
        identical.append(caseFile(name));
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
    QCOMPARE(passes.size(),
             verdict == QLatin1String("correct") || verdict == QLatin1String("wrong") ? 32 : 0);
    for (qsizetype i = 0; i < passes.size(); ++i)
        QCOMPARE(passes.at(i).toObject().value(QStringLiteral("test")).toInt(), i + 1);
    if (code.contains(QLatin1Char(' ')))
        QCOMPARE(passes.first().toObject().value(QStringLiteral("code")).toString(), code.left(2));
    QStringList jsonIdentical;
    for (const QJsonValue &name : judged.value(QStringLiteral("identical_to")).toArray())
        jsonIdentical.append(name.toString());
    QCOMPARE(QSet<QString>(jsonIdentical.begin(), jsonIdentical.end()),
             QSet<QString>(identical.begin(), identical.end()));
    const QJsonValue statistics = judged.value(QStringLiteral("statistics"));
    QCOMPARE(statistics.isNull(), statLines < 0);
    if (statLines >= 0)
        QCOMPARE(statistics.toObject().value(QStringLiteral("lines")).toInt(), statLines);
    if (!passes.isEmpty()) {
        const QJsonValue line = passes.first().toObject().value(QStringLiteral("stop_line"));
        QCOMPARE(line.isNull() ? 0 : line.toInt(), stopLine);
    }

    // The pupils' CSV: the file's row carries its code, first failing test, twins and statistics.
    const auto pupil = std::find_if(reports.pupilsCsv.begin(), reports.pupilsCsv.end(), [&](const auto &row) {
        return row.value(QStringLiteral("Файл")) == path;
    });
    QVERIFY(pupil != reports.pupilsCsv.end());
    QCOMPARE(QStringList(
                 {pupil->value(QStringLiteral("Код")), pupil->value(QStringLiteral("Первый неверный тест"))})
                 .join(QLatin1Char(' '))
                 .trimmed(),
             code);
    const QString group = pupil->value(QStringLiteral("Группа одинаковых файлов"));
    QStringList csvIdentical;
    for (const auto &row : reports.pupilsCsv) {
        if (!group.isEmpty() && row.value(QStringLiteral("Группа одинаковых файлов")) == group
            && &row != &*pupil)
            csvIdentical.append(row.value(QStringLiteral("Файл")));
    }
    QCOMPARE(QSet<QString>(csvIdentical.begin(), csvIdentical.end()),
             QSet<QString>(identical.begin(), identical.end()));
    QCOMPARE(pupil->value(QStringLiteral("Строк")), statLines < 0 ? QString() : QString::number(statLines));
    // The tests' CSV: a row per test (one for a file without tests), none breaks a line.
    int rows = 0;
    for (const auto &row : reports.testsCsv) {
        for (const QString &cell : row)
            QVERIFY(!cell.contains(QLatin1Char('\n')) && !cell.contains(QLatin1Char('\r')));
        if (row.value(QStringLiteral("Файл")) != path)
            continue;
        if (++rows == 1) {
            QCOMPARE(row.value(QStringLiteral("Код")), code.section(QLatin1Char(' '), 0, 0));
            QCOMPARE(row.value(QStringLiteral("Строка")),
                     stopLine > 0 ? QString::number(stopLine) : QString());
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
    if (!identical.isEmpty()) {
        const QString mark = (identical.size() == 1 ? QStringLiteral("совпадает с файлом ")
                                                    : QStringLiteral("совпадает с файлами "))
            + identical.join(QStringLiteral(", "));
        QVERIFY2(pdf.contains(withoutSpaces(mark)), qPrintable(mark));
    }
    QVERIFY(pdf.contains(
        withoutSpaces(QStringLiteral("Итого: файлов 13; OK 3, WA 2, CR 1, TL 1, RE 1, CE 4, FE 1"))));
}
