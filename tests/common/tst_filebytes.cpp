#include "common/filebytes.h"
#include "common/systemerror.h"
#include "filehelpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

class TestFileBytes : public QObject
{
    Q_OBJECT

private slots:
    void readsExactBytes_data();
    void readsExactBytes();
    void readsPastTheSizeTheFileTold_data();
    void readsPastTheSizeTheFileTold();
    void refused_data();
    void refused();
    void permissionDenied();
};

void TestFileBytes::readsExactBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("tooLarge");

    QTest::newRow("empty") << QByteArray() << qint64(10) << false;
    QTest::newRow("with a NUL") << QByteArray("a\0b\r\n", 5) << qint64(10) << false;
    QTest::newRow("exactly the limit") << QByteArray(10, 'x') << qint64(10) << false;
    QTest::newRow("one byte more") << QByteArray(11, 'x') << qint64(10) << true;
    QTest::newRow("the common limit") << QByteArray(maxReadFileSize, 'x') << maxReadFileSize << false;
}

void TestFileBytes::readsExactBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, limit);
    QFETCH(bool, tooLarge);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("a.txt");
    QVERIFY(writeBytes(path, bytes));
    const FileBytes read = readFileBytes(path, limit);
    QCOMPARE(read.isTooLarge, tooLarge);
    QCOMPARE(read.isOk(), !tooLarge);
    QVERIFY(read.reason.isEmpty());
    QCOMPARE(read.bytes, tooLarge ? QByteArray() : bytes);
}

void TestFileBytes::readsPastTheSizeTheFileTold_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("tooLarge");

    // The system's files tell a size of 0 and hold more, as a file grown after it was measured.
    QTest::newRow("within the limit") << maxReadFileSize << false;
    QTest::newRow("past the limit") << qint64(3) << true;
}

void TestFileBytes::readsPastTheSizeTheFileTold()
{
#ifndef Q_OS_LINUX
    QSKIP("Needs a regular file that holds more than its size");
#else
    QFETCH(qint64, limit);
    QFETCH(bool, tooLarge);

    const QString path = QStringLiteral("/proc/self/cmdline");
    QFile whole(path);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    QCOMPARE(QFileInfo(path).size(), 0);
    QVERIFY(bytes.size() > 3);

    const FileBytes read = readFileBytes(path, limit);
    QCOMPARE(read.isTooLarge, tooLarge);
    QVERIFY(read.reason.isEmpty());
    QCOMPARE(read.bytes, tooLarge ? QByteArray() : bytes);
#endif
}

void TestFileBytes::refused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    const QString notRegular = QStringLiteral("это не обычный файл (канал, устройство или сокет)");
    QTest::newRow("missing") << "missing" << systemErrorText(ENOENT);
    QTest::newRow("folder") << "folder" << systemErrorText(EISDIR);
#ifdef Q_OS_UNIX
    QTest::newRow("pipe without a writer") << "fifo" << notRegular;
    QTest::newRow("endless device") << "device" << notRegular;
    QTest::newRow("socket") << "socket" << notRegular;
    QTest::newRow("dangling link") << "dangling"
                                   << "ссылка ведёт к файлу, которого нет";
    QTest::newRow("link loop") << "loop" << systemErrorText(ELOOP);
#endif
}

void TestFileBytes::refused()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(kind);
    if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir(kind));
#ifdef Q_OS_UNIX
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "socket") {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
        const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        ::close(listener);
    } else if (kind == "device") {
        path = QStringLiteral("/dev/zero");
    } else if (kind == "dangling") {
        QVERIFY(QFile::link(dir.filePath("nowhere"), path));
    } else if (kind == "loop") {
        QVERIFY(QFile::link(dir.filePath("loop2"), path));
        QVERIFY(QFile::link(path, dir.filePath("loop2")));
#endif
    }

    QElapsedTimer timer;
    timer.start();
    const FileBytes read = readFileBytes(path, maxReadFileSize);
    // Neither waiting for a writer nor reading an endless device.
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!read.isOk());
    QVERIFY(!read.isTooLarge);
    QCOMPARE(read.reason, reason);
    QVERIFY(read.bytes.isEmpty());
}

void TestFileBytes::permissionDenied()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("secret.txt");
    QVERIFY(writeBytes(path, "x"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("Running with rights that read any file");
    const FileBytes read = readFileBytes(path, maxReadFileSize);
    QCOMPARE(read.reason, systemErrorText(EACCES));
}

QTEST_GUILESS_MAIN(TestFileBytes)
#include "tst_filebytes.moc"
