// The task validator. Each folder under tests/cli/validate holds a broken task file
// "Zerid.txt", optionally a "reference.txt" to run, and "expected.problems": one line per
// problem that shagaika-check --validate must report, "LINE:COLUMN words", the words
// being part of the message. No other problem may be reported.
#include "tasks/taskvalidator.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString validateFolder()
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/tests/cli/validate");
}

struct Reported
{
    QString place; // "LINE:COLUMN", or empty for a problem without a place
    QString message;
};

// "LINE:COLUMN" of every problem, in order.
QStringList placesOf(const QList<TaskProblem> &problems)
{
    QStringList places;
    for (const TaskProblem &problem : problems)
        places.append(QStringLiteral("%1:%2").arg(problem.line).arg(problem.column));
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
    void unreadableFolder();
    void missingFolder();
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
        expected.append({line.section(QLatin1Char(' '), 0, 0), line.section(QLatin1Char(' '), 1)});
    QVERIFY(!expected.isEmpty());

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
    QCOMPARE(checker.exitCode(), 1);
    QCOMPARE(checker.readAllStandardError(), QByteArray());

    QStringList lines =
        QString::fromUtf8(checker.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.takeLast(), QStringLiteral("Найдено ошибок: %1").arg(expected.size()));
    const QString file = QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("Zerid.txt")));
    const QRegularExpression placed(QStringLiteral("^(\\d+:\\d+): (.*)$"));
    QList<Reported> reported;
    for (const QString &line : lines) {
        QVERIFY2(line.startsWith(file + QLatin1Char(':')), qPrintable(line));
        const QString rest = line.mid(file.size() + 1);
        const QRegularExpressionMatch match = placed.match(rest);
        reported.append(match.hasMatch() ? Reported{match.captured(1), match.captured(2)}
                                         : Reported{QString(), rest.trimmed()});
    }
    QCOMPARE(reported.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(reported.at(i).place, expected.at(i).place);
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

    QTest::newRow("a sound single-size task")
        << QStringList{"# 001 0 1  300", "Условие.", "Z", "0  1  1   0  5  7", "H", "  3  4  5  4", "E"}
        << QStringList{};
    QTest::newRow("empty lines anywhere are skipped")
        << QStringList{"", "# 001 0 1  300", "", "Условие.", "Z", "", "0  1  1   0  5  7", "", "E", ""}
        << QStringList{};
    QTest::newRow("a statement line beginning with the Cyrillic З does not end it")
        << QStringList{"# 001 0 0", "Задача.", "З", "Z", "0  1  1   0"} << QStringList{"6:1"};
    QTest::newRow("an empty file") << QStringList{} << QStringList{"1:1"};
    QTest::newRow("every fault of one file, not just the first")
        << QStringList{"# 001 x 1  300", "Условие.", "Z", "0 99  1 360  5  7", "V", " 11  1", "Q", "E",
                       "лишнее"}
        << QStringList{"4:3", "4:9", "6:2", "7:1", "9:1", "1:7"};
    QTest::newRow("a drawing task reads no point Б")
        << QStringList{"# 002 1 0  300", "Нарисуйте.", "Z", "0  3  2   0", "E"} << QStringList{};
    QTest::newRow("a wall row with a short tail")
        << QStringList{"# 001 0 1  300", "Условие.", "Z", "0  1  1   0  5  7", "H", "  3  4  5", "E"}
        << QStringList{"6:7"};
    QTest::newRow("a multi-size task describing a size twice")
        << QStringList{"# 001 0 1  300",    "Условие.", "Z", "1  1  1   0  5  7", "E",
                       "1  1  1   0  5  7", "E",        "F"}
        << QStringList{"6:1"};
    QTest::newRow("a size code beyond 4")
        << QStringList{"# 001 0 1  300", "Условие.", "Z", "5  1  1   0  5  7", "E", "F"}
        << QStringList{"4:1", "6:1"};
    QTest::newRow("a variable wall with an unknown orientation")
        << QStringList{"# 001 0 1  300", "Условие.", "Z", "0  1  1   0  5  7", "P", " D  3  4 V  5  6", "E"}
        << QStringList{"6:2"};
}

void TestTaskValidator::problemsOfText()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, places);
    const TaskValidator validator(taskText(lines));
    QStringList found = placesOf(validator.problems());
    // The validator sorts by place; compare as sets of places in that order.
    std::sort(places.begin(), places.end(), [](const QString &a, const QString &b) {
        return std::make_pair(a.section(':', 0, 0).toInt(), a.section(':', 1).toInt())
            < std::make_pair(b.section(':', 0, 0).toInt(), b.section(':', 1).toInt());
    });
    QCOMPARE(found, places);
}

void TestTaskValidator::unreadableFolder()
{
    QTemporaryDir empty;
    const TaskFolderValidation validation = validateTaskFolder(empty.path());
    QVERIFY(!validation.isReadable);
    QCOMPARE(validation.problems.size(), 1);
    QVERIFY(validation.problems.first().message.contains(QStringLiteral("Zerid.txt")));

    QProcess checker;
    checker.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                  {QStringLiteral("--validate"), QStringLiteral("--task"), empty.path()});
    QVERIFY(checker.waitForFinished(60000));
    QCOMPARE(checker.exitCode(), 2);
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

QTEST_GUILESS_MAIN(TestTaskValidator)
#include "tst_taskvalidator.moc"
