// Whole runs of shagaika-check, one folder per case under tests/cli/cases. A case folder
// holds the task ("Zerid.txt"), its algorithm files and:
//   args               the arguments, one per line; @OUT@ stands for a fresh empty folder
//   expected.exit      the exit status
//   expected.events    the event log on standard output
//   expected.json      the JSON lines on standard output
//   expected.txt       the table on standard output
//   expected.stderr    lines that must each occur in standard error (otherwise it stays empty)
//   expected.pictures  "<file> <width> <height>" per picture that @OUT@ must hold, and nothing else
// With both expected.events and expected.json, every JSON line must follow its run's "end" line.
// A case without any expected output on standard output must print nothing there.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString casesFolder()
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/tests/cli/run/cases");
}

std::optional<QString> readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// Lines as written, trailing blanks kept; a final line break adds no line.
QStringList linesOf(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Empty when equal; otherwise where the first difference lies.
QString firstDifference(const QStringList &expected, const QStringList &actual, const QString &what)
{
    const qsizetype common = qMin(expected.size(), actual.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (expected.at(i) != actual.at(i)) {
            QString context;
            for (qsizetype j = qMax<qsizetype>(0, i - 3); j < i; ++j)
                context += QStringLiteral("\n      %1").arg(expected.at(j));
            return QStringLiteral("%1, line %2 differs:\n  expected: \"%3\"\n  actual:   \"%4\"\n  after:%5")
                .arg(what)
                .arg(i + 1)
                .arg(expected.at(i), actual.at(i), context.isEmpty() ? QStringLiteral(" (start)") : context);
        }
    }
    if (expected.size() != actual.size()) {
        const bool tooShort = actual.size() < expected.size();
        return QStringLiteral("%1: %2 lines expected, %3 printed; the first %4 line %5: \"%6\"")
            .arg(what)
            .arg(expected.size())
            .arg(actual.size())
            .arg(tooShort ? QStringLiteral("missing") : QStringLiteral("extra"))
            .arg(common + 1)
            .arg(tooShort ? expected.at(common) : actual.at(common));
    }
    return {};
}

bool isJsonLine(const QString &line)
{
    return line.startsWith(QLatin1Char('{'));
}

} // namespace

class TestCheckerCases : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeRun_data();
    void wholeRun();
};

void TestCheckerCases::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(SHAGAIKA_CHECK_BINARY)), SHAGAIKA_CHECK_BINARY);
    QVERIFY(QDir(casesFolder()).exists());
}

void TestCheckerCases::wholeRun_data()
{
    QTest::addColumn<QString>("folder");
    const QDir cases(casesFolder());
    const QStringList names = cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << cases.filePath(name);
}

void TestCheckerCases::wholeRun()
{
    QFETCH(QString, folder);
    const QDir dir(folder);

    const std::optional<QString> argsText = readText(dir.filePath(QStringLiteral("args")));
    QVERIFY2(argsText, "the case has no args file");
    const std::optional<QString> exitText = readText(dir.filePath(QStringLiteral("expected.exit")));
    QVERIFY2(exitText, "the case has no expected.exit file");
    bool exitOk = false;
    const int expectedExit = exitText->trimmed().toInt(&exitOk);
    QVERIFY2(exitOk, "expected.exit holds no number");

    QTemporaryDir out;
    QVERIFY(out.isValid());
    QStringList arguments;
    for (const QString &line : linesOf(*argsText)) {
        const QString argument = line.trimmed();
        if (!argument.isEmpty())
            arguments.append(QString(argument).replace(QStringLiteral("@OUT@"), out.path()));
    }

    // A picture run starts the GUI layer, which wants a private runtime folder.
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(SHAGAIKA_CHECK_BINARY), arguments);
    QVERIFY2(process.waitForStarted(), "shagaika-check did not start");
    QVERIFY2(process.waitForFinished(120000), "shagaika-check did not finish within two minutes");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QString stdoutText = QString::fromUtf8(process.readAllStandardOutput());
    const QString stderrText = QString::fromUtf8(process.readAllStandardError());

    QVERIFY2(process.exitCode() == expectedExit,
             qPrintable(QStringLiteral("exit status %1, expected %2; standard error:\n%3")
                            .arg(process.exitCode())
                            .arg(expectedExit)
                            .arg(stderrText)));

    // Standard output.
    const QStringList printed = linesOf(stdoutText);
    const std::optional<QString> events = readText(dir.filePath(QStringLiteral("expected.events")));
    const std::optional<QString> json = readText(dir.filePath(QStringLiteral("expected.json")));
    const std::optional<QString> table = readText(dir.filePath(QStringLiteral("expected.txt")));
    if (events && json) {
        QStringList printedEvents;
        QStringList printedJson;
        for (qsizetype i = 0; i < printed.size(); ++i) {
            if (isJsonLine(printed.at(i))) {
                QVERIFY2(
                    i > 0 && printed.at(i - 1).startsWith(QLatin1String("end ")),
                    qPrintable(QStringLiteral("standard output line %1: a JSON line that does not follow "
                                              "its run's \"end\" line")
                                   .arg(i + 1)));
                printedJson.append(printed.at(i));
            } else {
                printedEvents.append(printed.at(i));
            }
        }
        QString difference = firstDifference(linesOf(*events), printedEvents, QStringLiteral("events"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        difference = firstDifference(linesOf(*json), printedJson, QStringLiteral("JSON"));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    } else {
        QStringList expected;
        QString what = QStringLiteral("standard output (none expected)");
        if (events) {
            expected = linesOf(*events);
            what = QStringLiteral("events");
        } else if (json) {
            expected = linesOf(*json);
            what = QStringLiteral("JSON");
        } else if (table) {
            expected = linesOf(*table);
            what = QStringLiteral("table");
        }
        const QString difference = firstDifference(expected, printed, what);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Standard error.
    if (const std::optional<QString> wanted = readText(dir.filePath(QStringLiteral("expected.stderr")))) {
        for (const QString &line : linesOf(*wanted)) {
            QVERIFY2(stderrText.contains(line),
                     qPrintable(
                         QStringLiteral("standard error lacks \"%1\"; it reads:\n%2").arg(line, stderrText)));
        }
    } else {
        QVERIFY2(stderrText.isEmpty(),
                 qPrintable(QStringLiteral("unexpected standard error:\n") + stderrText));
    }

    // Pictures.
    const QDir outDir(out.path());
    QStringList written = outDir.entryList(QDir::Files, QDir::Name);
    if (const std::optional<QString> pictures = readText(dir.filePath(QStringLiteral("expected.pictures")))) {
        for (const QString &line : linesOf(*pictures)) {
            const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QCOMPARE(fields.size(), 3);
            const QString path = outDir.filePath(fields.at(0));
            QVERIFY2(written.removeOne(fields.at(0)),
                     qPrintable(QStringLiteral("no picture ") + fields.at(0)));
            const QImage image(path, "PNG");
            QVERIFY2(!image.isNull(), qPrintable(QStringLiteral("not a PNG picture: ") + fields.at(0)));
            QCOMPARE(image.width(), fields.at(1).toInt());
            QCOMPARE(image.height(), fields.at(2).toInt());
        }
    }
    QVERIFY2(written.isEmpty(),
             qPrintable(QStringLiteral("unexpected files written: ") + written.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestCheckerCases)
#include "tst_checkercases.moc"
