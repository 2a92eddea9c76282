// The task validator. Each folder under tests/cli/validate holds a task file "Zerid.txt"
// with faults or doubtful content, optionally a "reference.txt" to run, and
// "expected.problems": one line per problem that shagaika-check --validate must report,
// "LINE:COLUMN KIND: words", KIND being "ошибка" or "предупреждение" and the words part of
// the message. No other problem may be reported; the run ends with 1 when there is an
// error, with 0 when there are only warnings.
#include "filehelpers.h"
#include "tasks/check/taskvalidator.h"
#include "tasks/file/taskfileparser.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

QString validateFolder()
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/tests/cli/validate");
}

struct Reported
{
    QString place; // "LINE:COLUMN", or empty for a problem without a place
    QString kind;  // "ошибка" or "предупреждение"
    QString message;
};

Reported splitKind(const QString &place, const QString &text)
{
    return {place, text.section(QStringLiteral(": "), 0, 0), text.section(QStringLiteral(": "), 1)};
}

// "LINE:COLUMN" of every problem, in order, "warning" after a warning's place.
QStringList placesOf(const QList<TaskProblem> &problems)
{
    QStringList places;
    for (const TaskProblem &problem : problems)
        places.append(
            QStringLiteral("%1:%2%3").arg(QString::number(problem.line), QString::number(problem.column),
                                          problem.isWarning() ? QStringLiteral(" warning") : QString()));
    return places;
}

QString taskText(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

class TestTaskValidator : public QObject
{
    Q_OBJECT

private slots:
    void brokenFolders_data();
    void brokenFolders();
    void examplesHaveNoProblems_data();
    void examplesHaveNoProblems();
    void problemsOfText_data();
    void problemsOfText();
    void unreadableFolder_data();
    void unreadableFolder();
    void missingFolder();
    void referenceNoAlgorithm_data();
    void referenceNoAlgorithm();
};

void TestTaskValidator::brokenFolders_data()
{
    QTest::addColumn<QString>("folder");
    const QStringList folders =
        QDir(validateFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(folders.size() >= 10);
    for (const QString &name : folders)
        QTest::newRow(qPrintable(name)) << QDir(validateFolder()).filePath(name);
}

void TestTaskValidator::brokenFolders()
{
    QFETCH(QString, folder);

    QFile expectedFile(QDir(folder).filePath(QStringLiteral("expected.problems")));
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    QList<Reported> expected;
    for (const QString &line :
         QString::fromUtf8(expectedFile.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        expected.append(splitKind(line.section(QLatin1Char(' '), 0, 0), line.section(QLatin1Char(' '), 1)));
    QVERIFY(!expected.isEmpty());
    const qsizetype warnings = std::count_if(expected.begin(), expected.end(), [](const Reported &problem) {
        return problem.kind == QStringLiteral("предупреждение");
    });

    QStringList arguments{QStringLiteral("--validate"), QStringLiteral("--task"), folder};
    const QString reference = QDir(folder).filePath(QStringLiteral("reference.txt"));
    if (QFile::exists(reference))
        arguments << QStringLiteral("--reference") << reference;
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess checker;
    checker.setProcessEnvironment(environment);
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY), arguments);
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), warnings == expected.size() ? 0 : 1);
    QCOMPARE(checker.readAllStandardError(), QByteArray());

    QStringList lines =
        QString::fromUtf8(checker.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.takeLast(),
             QStringLiteral("Ошибок: %1, предупреждений: %2")
                 .arg(QString::number(expected.size() - warnings), QString::number(warnings)));
    const QString file = QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Zerid.txt")));
    const QRegularExpression placed(QStringLiteral("^(\\d+:\\d+): (.*)$"));
    QList<Reported> reported;
    for (const QString &line : lines) {
        QVERIFY2(line.startsWith(file + QLatin1Char(':')), qPrintable(line));
        const QString rest = line.mid(file.size() + 1);
        const QRegularExpressionMatch match = placed.match(rest);
        reported.append(match.hasMatch() ? splitKind(match.captured(1), match.captured(2))
                                         : splitKind(QString(), rest.trimmed()));
    }
    QCOMPARE(reported.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(reported.at(i).place, expected.at(i).place);
        QCOMPARE(reported.at(i).kind, expected.at(i).kind);
        QVERIFY2(
            reported.at(i).message.contains(expected.at(i).message),
            qPrintable(
                QStringLiteral("\"%1\" lacks \"%2\"").arg(reported.at(i).message, expected.at(i).message)));
    }
}

void TestTaskValidator::examplesHaveNoProblems_data()
{
    QTest::addColumn<QString>("folder");
    const QDir examples(QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples"));
    for (const QString &name : examples.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        QTest::newRow(qPrintable(name)) << examples.filePath(name);
}

void TestTaskValidator::examplesHaveNoProblems()
{
    QFETCH(QString, folder);
    const TaskFolderValidation validation = validateTaskFolder(folder);
    QVERIFY(validation.isReadable);
    QCOMPARE(placesOf(validation.problems), QStringList{});

    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--validate"), QStringLiteral("--task"), folder,
                   QStringLiteral("--reference"), QDir(folder).filePath(QStringLiteral("solution.txt"))});
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(checker.readAllStandardOutput()), QStringLiteral("Ошибок не найдено.\n"));
}

void TestTaskValidator::problemsOfText_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("places");

    const QString header = QStringLiteral("# 001 0 1  300");
    QTest::newRow("a sound single-size task")
        << QStringList{header, "Условие.", "Z", "0  1  1   0  5  7", "H", "  3  4  5  4", "E"}
        << QStringList{};
    QTest::newRow("empty lines anywhere are skipped")
        << QStringList{"", header, "", "Условие.", "Z", "", "0  1  1   0  5  7", "", "E", ""}
        << QStringList{};
    QTest::newRow("a statement line of the Cyrillic З does not end it")
        << QStringList{"# 001 0 0", "Задача.", "З", "Z", "0  1  1   0"} << QStringList{"3:1 warning", "6:1"};
    QTest::newRow("a file of one empty line") << QStringList{} << QStringList{"2:1"};
    QTest::newRow("every fault of one file, not just the first")
        << QStringList{"# 001 x 1  300", "Условие.", "Z", "0 99  1 360  5  7", "V", " 11  1", "Q", "E",
                       "лишнее"}
        << QStringList{"1:7", "4:3", "4:9", "6:2 warning", "7:1 warning", "9:1 warning"};
    QTest::newRow("at one line the loader's error comes first")
        << QStringList{header, "Условие.", "Z", "0 99  1   0  5  x", "E"} << QStringList{"4:16", "4:3"};
    QTest::newRow("a drawing task reads no point Б")
        << QStringList{"# 002 1 0  300", "Нарисуйте.", "Z", "0  3  2   0", "E"} << QStringList{};
    QTest::newRow("a wall row with a short tail")
        << QStringList{header, "Условие.", "Z", "0  1  1   0  5  7", "H", "  3  4  5", "E"}
        << QStringList{"6:7 warning"};
    QTest::newRow("a multi-size task describing a size twice")
        << QStringList{header, "Условие.", "Z", "1  1  1   0  5  7", "E", "1  1  1   0  5  7", "E", "F"}
        << QStringList{"6:1 warning"};
    QTest::newRow("a size code beyond 4 right before a section's record")
        << QStringList{header, "Условие.", "Z", "5  1  1   0  5  7", "E", "F"}
        << QStringList{"4:1 warning", "4:1 warning", "5:1"};
    QTest::newRow("a size code 0 inside a multi-size task")
        << QStringList{header, "Условие.", "Z", "1  1  1   0  5  7", "E", "0  1  1   0  5  7", "F"}
        << QStringList{"6:1 warning"};
    QTest::newRow("a variable wall with an unknown orientation")
        << QStringList{header, "Условие.", "Z", "0  1  1   0  5  7", "P", " D  3  4 V  5  6", "E"}
        << QStringList{"6:2 warning"};
    QTest::newRow("start values of -1 stand for 0")
        << QStringList{header, "Условие.", "Z", "0 -1 -1  -1  5  7", "E"} << QStringList{};
    QTest::newRow("a start value of -2")
        << QStringList{header, "Условие.", "Z", "0 -2  0   0  5  7", "E"} << QStringList{"4:3"};
    QTest::newRow("А and Б on one cell, -1 standing for 0")
        << QStringList{header, "Условие.", "Z", "0 -1  0   0  0  0", "E"} << QStringList{"4:13 warning"};
    QTest::newRow("a wall given twice")
        << QStringList{header, "Условие.", "Z", "0  1  1   0  5  7", "H", "  3  4", "H", "  3  4", "E"}
        << QStringList{"8:2 warning"};
    QTest::newRow("a Cyrillic Е does not end the section")
        << QStringList{header, "Условие.", "Z", "0  1  1   0  5  7", "Е", "E"} << QStringList{"5:1 warning"};
    QTest::newRow("a statement line beginning with Z ends it")
        << QStringList{"# 001 0 0", "Zадача.", "0  1  1   0", "E"}
        << QStringList{"2:1 warning", "2:1 warning"};
    QTest::newRow("a multi-size task without 12 × 12")
        << QStringList{header, "Условие.", "Z", "2  1  1   0  5  7", "E", "F"} << QStringList{"4:1 warning"};
}

void TestTaskValidator::problemsOfText()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, places);
    const TaskFileResult result = validateTaskText(taskText(lines));
    QCOMPARE(placesOf(result.problems), places);
    // The loader stops at the first error, and only an error stops it.
    const TaskFileResult loaded = parseTaskFile(taskText(lines));
    const auto firstError = std::find_if(result.problems.begin(), result.problems.end(),
                                         [](const TaskProblem &problem) { return !problem.isWarning(); });
    QCOMPARE(loaded.isOk(), firstError == result.problems.end());
    if (!loaded.isOk()) {
        QCOMPARE(loaded.error->line, firstError->line);
        QCOMPARE(loaded.error->column, firstError->column);
    }
}

void TestTaskValidator::unreadableFolder_data()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("said");
    QTest::newRow("no task file") << QString() << QStringLiteral("Не найден файл Zerid.txt");
    QTest::newRow("a folder named as the task file")
        << QStringLiteral("folder") << QStringLiteral("Не удаётся прочитать файл Zerid.txt: ");
#ifdef Q_OS_UNIX
    // Permissions would not stop a test run as root; a pipe opens, yet cannot be read.
    QTest::newRow("a pipe named as the task file")
        << QStringLiteral("pipe") << QStringLiteral("Не удаётся прочитать файл Zerid.txt: ");
#endif
}

void TestTaskValidator::unreadableFolder()
{
    QFETCH(QString, made);
    QFETCH(QString, said);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString taskFile = folder.filePath(QStringLiteral("Zerid.txt"));
    if (made == QStringLiteral("folder"))
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Zerid.txt")));
#ifdef Q_OS_UNIX
    if (made == QStringLiteral("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(taskFile).constData(), 0600), 0);
#endif

    const TaskFolderValidation validation = validateTaskFolder(folder.path());
    QVERIFY(!validation.isReadable);
    QCOMPARE(validation.problems.size(), 1);
    QVERIFY2(validation.problems.first().message.startsWith(said),
             qPrintable(validation.problems.first().message));

    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--validate"), QStringLiteral("--task"), folder.path()});
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 2);
    QCOMPARE(checker.readAllStandardOutput(), QByteArray());
    const QString error = QString::fromUtf8(checker.readAllStandardError());
    QVERIFY2(error.startsWith(QStringLiteral("shagaika-check: ")) && error.contains(said), qPrintable(error));
    QVERIFY2(!error.contains(QStringLiteral("пуст")), qPrintable(error));
}

void TestTaskValidator::missingFolder()
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("нет-папки"));
    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--validate"), QStringLiteral("--task"), folder});
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(checker.readAllStandardError()),
             QStringLiteral("shagaika-check: Не найден путь %1\n").arg(QDir::toNativeSeparators(folder)));
    QCOMPARE(checker.readAllStandardOutput(), QByteArray());
}

void TestTaskValidator::referenceNoAlgorithm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("said");
    QTest::newRow("an empty file") << QByteArray() << QStringLiteral("пустой файл");
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                               << QStringLiteral("нет строки «НАЧ»");
    QTest::newRow("a text cut off after НАЧ") << QStringLiteral("АЛГОРИТМ А\r\nНАЧ\r\n    ШАГ\r\n").toUtf8()
                                              << QStringLiteral("нет строки «КОН» после «НАЧ»");
}

// A drawing task takes its answer from the reference, so one that is no algorithm would pass
// every check while drawing nothing.
void TestTaskValidator::referenceNoAlgorithm()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString reference = folder.filePath(QStringLiteral("reference.txt"));
    QVERIFY(writeBytes(reference, bytes));

    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--validate"), QStringLiteral("--task"),
                   QStringLiteral(SHAGAIKA_SOURCE_DIR "/examples/letter"), QStringLiteral("--reference"),
                   reference});
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 2);
    QCOMPARE(checker.readAllStandardOutput(), QByteArray());
    const QString error = QString::fromUtf8(checker.readAllStandardError());
    QVERIFY2(
        error.startsWith(QStringLiteral("shagaika-check: эталон %1 — не алгоритм: ").arg(reference) + said),
        qPrintable(error));
}

QTEST_GUILESS_MAIN(TestTaskValidator)
#include "tst_taskvalidator.moc"
