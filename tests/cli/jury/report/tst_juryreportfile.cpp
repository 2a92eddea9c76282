#include "cli/jury/report/juryreportfile.h"
#include "filehelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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

} // namespace

class TestJuryReportFile : public QObject
{
    Q_OBJECT

private slots:
    void written_data();
    void written();
    void faults_data();
    void faults();
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

    QCOMPARE(error,
             QStringLiteral("Не удаётся записать файл %1 (прежний файл не изменён): %2")
                 .arg(QDir::toNativeSeparators(dir.filePath(named)), reason));
    QCOMPARE(readBytes(path), oldBytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

QTEST_MAIN(TestJuryReportFile)
#include "tst_juryreportfile.moc"
