#include "common/filebytes.h"
#include "common/printablename.h"
#include "common/systemfilename.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

class TestSystemFileName : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void readsByKeptBytes_data();
    void readsByKeptBytes();
};

void TestSystemFileName::roundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ascii") << QByteArray("a.txt") << QStringLiteral("a.txt");
    QTest::newRow("cyrillic") << QByteArray("\xd0\xb8\xd0\xb2.txt") << QStringLiteral("ив.txt");
    QTest::newRow("four-byte sequence") << QByteArray("\xf0\x9f\x98\x80") << QStringLiteral("😀");
    QTest::newRow("windows byte-order bytes")
        << QByteArray("\xff\xfe.txt") << QStringLiteral("\\xff\\xfe.txt");
    QTest::newRow("windows-1251") << QByteArray("\xe8\xe2\xe0\xed.txt")
                                  << QStringLiteral("\\xe8\\xe2\\xe0\\xed.txt");
    QTest::newRow("cut sequence at the end") << QByteArray("a\xd0") << QStringLiteral("a\\xd0");
    QTest::newRow("lone continuation between text")
        << QByteArray("\xd0\xb8\x80\xd0\xb2") << QStringLiteral("и\\x80в");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << QStringLiteral("\\xc0\\xaf");
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb3\xbf") << QStringLiteral("\\xed\\xb3\\xbf");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80")
                                     << QStringLiteral("\\xf4\\x90\\x80\\x80");
    QTest::newRow("line break") << QByteArray("a\nb") << QStringLiteral("a\\nb");
#ifndef Q_OS_WIN
    QTest::newRow("a backslash, apart from a line break")
        << QByteArray("new\\nline") << QStringLiteral("new\\\\nline");
#endif
}

void TestSystemFileName::roundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = fileNameFromSystem(bytes);
    QCOMPARE(fileNameToSystem(name), bytes);
    QCOMPARE(printableName(name), shown);
}

void TestSystemFileName::readsByKeptBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8") << QByteArray("\xd0\xb8.txt");
    QTest::newRow("not utf-8") << QByteArray("\xff\xfe.txt");
    QTest::newRow("utf-8 and not") << QByteArray("\xd0\xb8\xe8.txt");
}

void TestSystemFileName::readsByKeptBytes()
{
#ifdef Q_OS_UNIX
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QByteArray path = QFile::encodeName(folder.path()) + '/' + bytes;
    const int descriptor = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(descriptor >= 0);
    QCOMPARE(::write(descriptor, "HAY", 3), 3);
    QCOMPARE(::close(descriptor), 0);
    // The temporary folder lists its files as text and could not remove this one.
    const auto removeFile = qScopeGuard([&path] { ::unlink(path.constData()); });

    const FileBytes read = readFileBytes(fileNameFromSystem(path), maxReadFileSize);
    QVERIFY2(read.isOk(), qPrintable(read.reason));
    QCOMPARE(read.bytes, QByteArray("HAY"));
#else
    QSKIP("only Unix file names may be bytes that are not text");
#endif
}

QTEST_GUILESS_MAIN(TestSystemFileName)
#include "tst_systemfilename.moc"
