#include "common/atomicwrite.h"
#include "common/systemerror.h"
#include "filehelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

class TestAtomicWrite : public QObject
{
    Q_OBJECT

private slots:
    void faults_data();
    void faults();
    void unwritablePlace_data();
    void unwritablePlace();
};

void TestAtomicWrite::faults_data()
{
    QTest::addColumn<FileWriteFault>("fault");
    QTest::addColumn<bool>("hasOldFile");
    QTest::addColumn<QString>("reason");

    QTest::newRow("written") << FileWriteFault::None << true << "";
    QTest::newRow("written, new file") << FileWriteFault::None << false << "";
    QTest::newRow("short write") << FileWriteFault::ShortWrite << true << "записана только часть файла";
    QTest::newRow("short write, new file")
        << FileWriteFault::ShortWrite << false << "записана только часть файла";
    QTest::newRow("disk full at flush")
        << FileWriteFault::NoSpaceAtFlush << true << "на диске нет свободного места";
    QTest::newRow("disk full at flush, new file")
        << FileWriteFault::NoSpaceAtFlush << false << "на диске нет свободного места";
    QTest::newRow("rename fails") << FileWriteFault::FailedRename << true << "нет прав доступа";
}

void TestAtomicWrite::faults()
{
    QFETCH(FileWriteFault, fault);
    QFETCH(bool, hasOldFile);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("report.txt");
    const QByteArray oldBytes("old report\n");
    if (hasOldFile)
        QVERIFY(writeBytes(path, oldBytes));
    // Large enough to pass the device's buffer, so that a real flush would write in pieces.
    const QByteArray newBytes = QByteArray(100000, 'n') + "end\n";

    const FileWriteResult result = writeFileAtomically(path, newBytes, fault);

    QCOMPARE(result.reason, reason);
    QCOMPARE(result.isOk(), reason.isEmpty());
    QVERIFY(result.wasCreated);
    // Said to the user as "the old file is unchanged": only true of a file that was there.
    QCOMPARE(result.hadOldFile, hasOldFile);
    if (result.isOk())
        QCOMPARE(readBytes(path), newBytes);
    else if (hasOldFile)
        QCOMPARE(readBytes(path), oldBytes);
    else
        QVERIFY(!QFile::exists(path));
    // No temporary file is left behind.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, (hasOldFile || result.isOk()) ? QStringList{"report.txt"} : QStringList());
}

void TestAtomicWrite::unwritablePlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("folder missing") << "missing/report.txt" << systemErrorText(ENOENT) << QStringList();
    QTest::newRow("name of a folder") << "report.txt" << systemErrorText(EISDIR) << QStringList{"report.txt"};
}

void TestAtomicWrite::unwritablePlace()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QFETCH(QStringList, left);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!left.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(name));
    const FileWriteResult result = writeFileAtomically(dir.filePath(name), "x");
    QVERIFY(!result.isOk());
    QVERIFY(!result.wasCreated);
    QVERIFY(!result.hadOldFile);
    QCOMPARE(result.reason, reason);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), left);
}

QTEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomicwrite.moc"
