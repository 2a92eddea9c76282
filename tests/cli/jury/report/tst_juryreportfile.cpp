#include "cli/jury/report/juryreportfile.h"
#include "filehelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

namespace {

JuryReport smallReport()
{
    JuryReport report;
    report.taskFile = QStringLiteral("olymp/Zerid.txt");
    report.taskSha256 = QString(64, QLatin1Char('0'));
    report.task.hasPointB = true;
    report.task.statement = {QStringLiteral("Дойдите до точки Б.")};
    JuryFileResult file;
    file.file = QStringLiteral("works/a.txt");
    file.readError = QStringLiteral("Не удалось открыть файл works/a.txt: нет такого файла или папки");
    report.files.append(file);
    return report;
}

// The report written as a run writes it: opened first, each file appended, then completed.
QString writeReport(const JuryReport &report, const QString &path,
                    FileWriteFault fault = FileWriteFault::None)
{
    JuryReportStream stream(report, path, fault);
    for (const JuryFileResult &file : report.files)
        stream.append(file);
    return writeJuryReportFile(stream, report, {});
}

// A folder in which this user may not create a file: a read-only one, or for root, who writes
// into those too, the system's own "/sys". Empty when neither refuses.
QString refusingFolder(const QTemporaryDir &dir)
{
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    for (const QString &folder : {dir.path(), QStringLiteral("/sys")}) {
        QFile probe(folder + QStringLiteral("/probe"));
        errno = 0;
        if (QFileInfo(folder).isDir() && !probe.open(QIODevice::WriteOnly) && errno == EACCES)
            return folder;
        probe.remove();
    }
    return {};
}

} // namespace

class TestJuryReportFile : public QObject
{
    Q_OBJECT

private slots:
    void written_data();
    void written();
    void faults_data();
    void faults();
    void folderRefusingNewFiles_data();
    void folderRefusingNewFiles();
};

void TestJuryReportFile::written_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QStringList>("files"); // every file in the folder afterwards
    QTest::addColumn<QByteArray>("besideStart");

    QTest::newRow("txt") << "r.txt" << QByteArray("Протокол проверки: shagaika-check ")
                         << QStringList{"r.txt"} << QByteArray();
    QTest::newRow("csv: the pupils, and the tests beside them")
        << "r.csv" << QByteArray("\xEF\xBB\xBF№;Файл;Код;") << QStringList{"r-tests.csv", "r.csv"}
        << QByteArray("\xEF\xBB\xBF№;Файл;Тест;");
    QTest::newRow("json") << "r.json" << QByteArray("{") << QStringList{"r.json"} << QByteArray();
    QTest::newRow("pdf") << "r.pdf" << QByteArray("%PDF-") << QStringList{"r.pdf"} << QByteArray();
}

void TestJuryReportFile::written()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    QVERIFY(writeBytes(path, "old"));
    QCOMPARE(writeReport(smallReport(), path), QString());
    const QByteArray bytes = readBytes(path);
    QVERIFY2(bytes.startsWith(start), bytes.left(40).constData());
    QFETCH(QStringList, files);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
    QFETCH(QByteArray, besideStart);
    for (const QString &file : files) {
        if (file != name)
            QVERIFY(readBytes(dir.filePath(file)).startsWith(besideStart));
    }
}

void TestJuryReportFile::faults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<FileWriteFault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("named"); // the file the message names

    const QList<std::pair<FileWriteFault, QString>> faults{
        {FileWriteFault::ShortWrite, "записана только часть файла"},
        {FileWriteFault::NoSpaceAtFlush, "на диске нет свободного места"},
        {FileWriteFault::FailedRename, "нет прав доступа"}};
    const char *const faultNames[] = {"short write", "disk full", "rename fails"};
    for (const QString &format : QStringList{"txt", "csv", "json", "pdf"}) {
        for (qsizetype i = 0; i < faults.size(); ++i) {
            QTest::addRow("%s, %s", qPrintable(format), faultNames[i])
                << "r." + format << faults.at(i).first << faults.at(i).second
                << (format == QLatin1String("csv") ? QStringLiteral("r-tests.csv") : "r." + format);
        }
    }
}

void TestJuryReportFile::faults()
{
    QFETCH(QString, name);
    QFETCH(FileWriteFault, fault);
    QFETCH(QString, reason);
    QFETCH(QString, named);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    const QByteArray oldBytes("the old report");
    QVERIFY(writeBytes(path, oldBytes));

    const QString error = writeReport(smallReport(), path, fault);

    // Only the report that was there is said to be unchanged; a CSV report's tests file is new.
    const QString shown = named == name
        ? QStringLiteral("Не удаётся записать файл %1 (прежний файл не изменён): %2")
        : QStringLiteral("Не удаётся записать файл %1: %2");
    QCOMPARE(error, shown.arg(QDir::toNativeSeparators(dir.filePath(named)), reason));
    QCOMPARE(readBytes(path), oldBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

void TestJuryReportFile::folderRefusingNewFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("named"); // the file the message names

    QTest::newRow("txt") << "r.txt"
                         << "r.txt";
    QTest::newRow("csv") << "r.csv"
                         << "r-tests.csv";
    QTest::newRow("json") << "r.json"
                          << "r.json";
    QTest::newRow("pdf") << "r.pdf"
                         << "r.pdf";
}

// The folder exists: the message must say why the file cannot be made there, not that something is missing.
void TestJuryReportFile::folderRefusingNewFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, named);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = refusingFolder(dir);
    const auto writable = qScopeGuard([&dir] {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (folder.isEmpty())
        QSKIP("no folder here refuses this user a new file");

    QCOMPARE(writeReport(smallReport(), folder + QLatin1Char('/') + name),
             QStringLiteral("Не удаётся записать файл %1: нет прав доступа")
                 .arg(QDir::toNativeSeparators(folder + QLatin1Char('/') + named)));
}

QTEST_MAIN(TestJuryReportFile)
#include "tst_juryreportfile.moc"
