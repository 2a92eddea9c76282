// Every folder of collection/ is a task with its reference, a typical wrong solution and a
// note whose line "Вердикт: …" names the jury's verdict on it; a new task needs its folder only.
#include "common/textencoding.h"
#include "filehelpers.h"
#include "tasks/file/taskfilewriter.h"
#include "tasks/setup/taskfolder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestCollection : public QObject
{
    Q_OBJECT

private slots:
    void taskIsSound_data();
    void taskIsSound();
};

void TestCollection::taskIsSound_data()
{
    QTest::addColumn<QString>("folder");
    const QDir collection(QStringLiteral(SHAGAIKA_SOURCE_DIR "/collection"));
    const QStringList names = collection.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(names.size() >= 24);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestCollection::taskIsSound()
{
    QFETCH(QString, folder);
    const QString path = QStringLiteral(SHAGAIKA_SOURCE_DIR "/collection/") + folder;
    const QString reference = path + QStringLiteral("/solution.txt");

    // The task editor would save the file exactly as it stands.
    const TaskFileResult read = TaskFolder(path).readTask();
    QVERIFY(read.isOk());
    QCOMPARE(encodeWindows1251(layOutTaskFile(read.task).text).value_or(""),
             readBytes(path + QStringLiteral("/Zerid.txt")));

    QProcess validate;
    validate.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
                   {QStringLiteral("--validate"), QStringLiteral("--task"), path,
                    QStringLiteral("--reference"), reference});
    QVERIFY(validate.waitForFinished(60000));
    QCOMPARE(QString::fromUtf8(validate.readAll()), QStringLiteral("Ошибок не найдено.\n"));

    const QString note = QString::fromUtf8(readBytes(path + QStringLiteral("/note.md")));
    const QString verdict =
        QRegularExpression(QStringLiteral("\nВердикт: ([A-Z]{2} \\d+) — ")).match(note).captured(1);
    QVERIFY2(!verdict.isEmpty(), "the note names no verdict");
    QTemporaryDir reports;
    const QString report = reports.filePath(QStringLiteral("r.json"));
    QProcess jury;
    jury.start(QStringLiteral(SHAGAIKA_CHECK_BINARY),
               {QStringLiteral("--jury"), QStringLiteral("--task"), path, QStringLiteral("--reference"),
                reference, QStringLiteral("--report"), report, reference,
                path + QStringLiteral("/wrong.txt")});
    QVERIFY(jury.waitForFinished(60000));
    const QJsonArray files =
        QJsonDocument::fromJson(readBytes(report)).object()[QStringLiteral("files")].toArray();
    QCOMPARE(files.size(), 2);
    QCOMPARE(files[0][QStringLiteral("code")].toString(), QStringLiteral("OK"));
    QCOMPARE(files[1][QStringLiteral("code")].toString(), verdict);

    // scripts/collection-contents.sh draws the picture and writes the entry.
    const QString page =
        QString::fromUtf8(readBytes(QStringLiteral(SHAGAIKA_SOURCE_DIR "/docs/collection.md")));
    const QString picture = QStringLiteral("collection/%1.png").arg(folder);
    QVERIFY(readBytes(QStringLiteral(SHAGAIKA_SOURCE_DIR "/docs/") + picture).startsWith("\x89PNG"));
    QVERIFY(page.contains(QStringLiteral("](%1) | [%2](../collection/%3/note.md)")
                              .arg(picture, note.section(u'\n', 0, 0).mid(2), folder)));
}

QTEST_GUILESS_MAIN(TestCollection)
#include "tst_collection.moc"
