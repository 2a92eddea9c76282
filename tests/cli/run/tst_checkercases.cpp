// Whole runs of shagaika-check, one folder per case under tests/cli/cases. A case folder
// holds the task ("Zerid.txt"), its algorithm files and:
//   args               the arguments, one per line; @OUT@ stands for a fresh empty folder
//   expected.exit      the exit status
//   expected.events    the event log on standard output
//   expected.json      the JSON lines on standard output
//   expected.txt       the table on standard output
//   expected.stderr    lines that must each occur in standard error (otherwise it stays empty)
//   expected.pictures  "<file> <width> <height>" per picture that @OUT@ must hold, and nothing else
//   renames            "<file>\t<new name>" per line: the file is renamed in the copy, so that
//                      names git cannot hold well (a line break in a name) can be tested
//   fifos              names of pipes (with no writer) to make beside the files; git cannot
//                      hold them. Such a case must end within a second: nothing may wait.
// Sub-folders of a case (pupils' files in class folders) are copied with it.
// The checker runs in a copy of the folder, and no file of the copy may change. In args and
// renames, "\n" stands for a line break and "\xNN" for the byte NN, so that names which are
// not UTF-8 (as unpacked from another system's archive) can be tested.
// With both expected.events and expected.json, every JSON line must follow its run's "end" line.
// A case without any expected output on standard output must print nothing there.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

#include <cstdio>
#include <unistd.h>
#endif

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

QString unescaped(const QString &text)
{
    return QString(text).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

// The bytes a line of args or renames stands for.
QByteArray unescapedBytes(const QString &text)
{
    const QByteArray utf8 = unescaped(text).toUtf8();
    QByteArray bytes;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        bool isHex = false;
        const int byte = utf8.mid(i + 2, 2).toInt(&isHex, 16);
        if (utf8.mid(i, 2) == "\\x" && i + 3 < utf8.size() && isHex) {
            bytes += static_cast<char>(byte);
            i += 3;
        } else {
            bytes += utf8.at(i);
        }
    }
    return bytes;
}

bool hasByteEscape(const QString &text)
{
    return text.contains(QStringLiteral("\\x"));
}

// An argument for the shell's printf %b, which writes every byte back as it was.
QString octalEscaped(const QByteArray &bytes)
{
    QString text;
    for (const char character : bytes) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte == '\\')
            text += QStringLiteral("\\\\");
        else if (byte < 0x20 || byte >= 0x7F)
            text += QStringLiteral("\\0%1").arg(int(byte), 3, 8, QLatin1Char('0'));
        else
            text += QLatin1Char(static_cast<char>(byte));
    }
    return text;
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

    // A copy, so that a checker that wrote over its inputs could not damage the case itself.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QStringList caseFiles;
    QDirIterator entries(dir.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString name = dir.relativeFilePath(entries.next());
        if (entries.fileInfo().isDir()) {
            QVERIFY(QDir(work.path()).mkpath(name));
        } else {
            caseFiles.append(name);
        }
    }
    caseFiles.sort();
    for (const QString &name : std::as_const(caseFiles))
        QVERIFY(QFile::copy(dir.filePath(name), QDir(work.path()).filePath(name)));
    QStringList inputs = caseFiles;
    // The temporary folder lists its files as text and could not remove names that are not.
    QList<QByteArray> byteNames;
    const auto removeByteNames = qScopeGuard([&byteNames] {
#ifdef Q_OS_UNIX
        for (const QByteArray &name : std::as_const(byteNames))
            ::unlink(name.constData());
#endif
    });
    if (const std::optional<QString> renames = readText(dir.filePath(QStringLiteral("renames")))) {
        for (const QString &line : linesOf(*renames)) {
            const QStringList names = line.split(QLatin1Char('\t'));
            QCOMPARE(names.size(), 2);
            const QDir copy(work.path());
            if (hasByteEscape(names.at(1))) {
#ifdef Q_OS_UNIX
                const QByteArray target = QFile::encodeName(copy.path()) + '/' + unescapedBytes(names.at(1));
                QCOMPARE(
                    ::rename(QFile::encodeName(copy.filePath(names.at(0))).constData(), target.constData()),
                    0);
                byteNames.append(target);
#else
                QSKIP("file names that are bytes, not text, need a Unix system");
#endif
            } else {
                QVERIFY(QFile::rename(copy.filePath(names.at(0)), copy.filePath(unescaped(names.at(1)))));
            }
            inputs.removeOne(names.at(0));
        }
    }
    const std::optional<QString> fifos = readText(dir.filePath(QStringLiteral("fifos")));
    if (fifos) {
#ifdef Q_OS_UNIX
        for (const QString &name : linesOf(*fifos))
            QCOMPARE(::mkfifo(QFile::encodeName(QDir(work.path()).filePath(name)).constData(), 0600), 0);
#else
        QSKIP("pipes in the file system need a Unix system");
#endif
    }

    QTemporaryDir out;
    QVERIFY(out.isValid());
    QStringList arguments;
    bool hasBytes = false;
    for (const QString &line : linesOf(*argsText)) {
        const QString argument = line.trimmed();
        if (!argument.isEmpty())
            arguments.append(QString(argument).replace(QStringLiteral("@OUT@"), out.path()));
        hasBytes = hasBytes || hasByteEscape(argument);
    }
    QString program = QStringLiteral(SHAGAIKA_CHECK_BINARY);
    if (hasBytes) {
        // The arguments of a started program are text, and a name that is not UTF-8 would
        // arrive changed; the shell's printf hands the very bytes over.
        QString script = QStringLiteral("exec \"$0\"");
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString parameter = QStringLiteral("${%1}").arg(i + 1);
            if (hasByteEscape(arguments.at(i))) {
                script += QStringLiteral(" \"$(printf '%b' \"%1\")\"").arg(parameter);
                arguments[i] = octalEscaped(unescapedBytes(arguments.at(i)));
            } else {
                script += QStringLiteral(" \"%1\"").arg(parameter);
                arguments[i] = unescaped(arguments.at(i));
            }
        }
        arguments.prepend(program);
        arguments.prepend(script);
        arguments.prepend(QStringLiteral("-c"));
        program = QStringLiteral("/bin/sh");
    } else {
        for (QString &argument : arguments)
            argument = unescaped(argument);
    }

    // A picture run starts the GUI layer, which wants a private runtime folder.
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(work.path());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    QVERIFY2(process.waitForStarted(), "shagaika-check did not start");
    if (fifos && !process.waitForFinished(1000)) {
        process.kill();
        process.waitForFinished();
        QFAIL("shagaika-check waited on a pipe");
    }
    QVERIFY2(process.state() == QProcess::NotRunning || process.waitForFinished(120000),
             "shagaika-check did not finish within two minutes");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    if (fifos)
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
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

    // The inputs are as they were.
    for (const QString &name : inputs) {
        QFile original(dir.filePath(name));
        QFile copy(QDir(work.path()).filePath(name));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(name));
        QVERIFY2(copy.readAll() == original.readAll(), qPrintable(QStringLiteral("changed: ") + name));
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
