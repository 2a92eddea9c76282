#include "cli/jury/report/jurycsv.h"
#include "cli/jury/report/juryreportstream.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

JuryFileResult unreadFile(const QString &name)
{
    JuryFileResult file;
    file.file = name;
    file.readError = QStringLiteral("Не удалось открыть файл %1").arg(name);
    return file;
}

JuryFileResult emptyFile(const QString &name)
{
    JuryFileResult file;
    file.file = name;
    file.sha256 = QString(64, QLatin1Char('e'));
    file.notAlgorithm = QStringLiteral("пустой файл");
    return file;
}

} // namespace

class TestJuryReportStream : public QObject
{
    Q_OBJECT

private slots:
    void replacesOnlyWhenCommitted_data();
    void replacesOnlyWhenCommitted();
};

void TestJuryReportStream::replacesOnlyWhenCommitted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("commits");
    QTest::addColumn<QStringList>("files"); // the report's files

    QTest::newRow("CSV, committed") << "r.csv" << true << QStringList{"r-tests.csv", "r.csv"};
    QTest::newRow("CSV, given up half-way") << "r.csv" << false << QStringList{"r-tests.csv", "r.csv"};
    QTest::newRow("JSON, committed") << "r.json" << true << QStringList{"r.json"};
    QTest::newRow("JSON, given up half-way") << "r.json" << false << QStringList{"r.json"};
}

void TestJuryReportStream::replacesOnlyWhenCommitted()
{
    QFETCH(QString, name);
    QFETCH(bool, commits);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &file : files) {
        QFile old(dir.filePath(file));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    JuryReport heading;
    heading.taskFile = QStringLiteral("olymp/Zerid.txt");
    heading.highlightLimit = 777;
    {
        std::optional<JuryReportStream> stream;
        stream.emplace(heading, dir.filePath(name));
        QCOMPARE(stream->error(), QString());
        stream->append(unreadFile(QStringLiteral("a.txt")));
        stream->append(emptyFile(QStringLiteral("b.txt")));
        // Until the end, the old reports stay as they were.
        for (const QString &file : files)
            QCOMPARE(fileBytes(dir.filePath(file)), QByteArray("old"));
        if (commits)
            QCOMPARE(stream->commit(), QString());
    }
    // No file of the stream's own is left beside the reports.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
    if (!commits) {
        for (const QString &file : files)
            QCOMPARE(fileBytes(dir.filePath(file)), QByteArray("old"));
        return;
    }
    if (name.endsWith(QLatin1String(".json"))) {
        QJsonParseError parsed;
        const QJsonObject json = QJsonDocument::fromJson(fileBytes(dir.filePath(name)), &parsed).object();
        QCOMPARE(parsed.error, QJsonParseError::NoError);
        const QJsonArray judged = json.value(QStringLiteral("files")).toArray();
        QCOMPARE(judged.size(), 2);
        QCOMPARE(judged.at(1).toObject().value(QStringLiteral("file")).toString(), QStringLiteral("b.txt"));
        const QJsonObject summary = json.value(QStringLiteral("summary")).toObject();
        QCOMPARE(summary.value(QStringLiteral("files")).toInt(), 2);
        QCOMPARE(summary.value(QStringLiteral("unreadable")).toInt(), 1);
        QCOMPARE(summary.value(QStringLiteral("not_algorithm")).toInt(), 1);
        QCOMPARE(summary.value(QStringLiteral("correct")).toInt(), 0);
        QCOMPARE(json.value(QStringLiteral("limits"))
                     .toObject()
                     .value(QStringLiteral("highlights_per_pass"))
                     .toInt(),
                 777);
        return;
    }
    // Each file: its mark, the header, then the files' rows numbered in the order appended.
    const QByteArray mark("\xEF\xBB\xBF");
    QVERIFY(fileBytes(dir.filePath(name)).startsWith(mark));
    QVERIFY(fileBytes(dir.filePath(files.first())).startsWith(mark));
    const QStringList pupils =
        QString::fromUtf8(fileBytes(dir.filePath(name)).mid(mark.size())).split(QStringLiteral("\r\n"));
    QCOMPARE(pupils.size(), 4); // the last line's end leaves an empty piece
    QCOMPARE(pupils.at(0), juryPupilsCsvHeader(heading).chopped(2));
    QCOMPARE(pupils.at(1).left(6), QStringLiteral("1;a.tx"));
    QCOMPARE(pupils.at(2).left(6), QStringLiteral("2;b.tx"));
    const QStringList tests = QString::fromUtf8(fileBytes(dir.filePath(files.first())).mid(mark.size()))
                                  .split(QStringLiteral("\r\n"));
    QCOMPARE(tests.size(), 4);
    QCOMPARE(tests.at(0), juryTestsCsvHeader(heading).chopped(2));
    QCOMPARE(tests.at(2).left(6), QStringLiteral("2;b.tx"));
}

QTEST_GUILESS_MAIN(TestJuryReportStream)
#include "tst_juryreportstream.moc"
