#include "common/settingsoffdisk.h"

#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Qt's file dialogs keep their history through QSettings in the user's scope under the
// organisation "QtProject"; the same kind of settings object stands in for them here, so the
// test needs no window system.
class TestSettingsOffDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nothingWritten_data();
    void nothingWritten();

private:
    QTemporaryDir m_home;
};

void TestSettingsOffDisk::initTestCase()
{
    QVERIFY(m_home.isValid());
    // Before any settings object exists, so that the default paths are taken from here.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    keepSettingsOffDisk();
}

void TestSettingsOffDisk::nothingWritten_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("organisation");
    QTest::addColumn<QString>("application");

    QTest::newRow("file dialog history")
        << int(QSettings::NativeFormat) << QStringLiteral("QtProject") << QString();
    QTest::newRow("ini, with an application")
        << int(QSettings::IniFormat) << QStringLiteral("QtProject") << QStringLiteral("shagaika");
}

void TestSettingsOffDisk::nothingWritten()
{
    QFETCH(int, format);
    QFETCH(QString, organisation);
    QFETCH(QString, application);

    {
        QSettings settings(QSettings::Format(format), QSettings::UserScope, organisation, application);
        settings.setValue(QStringLiteral("FileDialog/lastVisited"), QStringLiteral("file:///tmp"));
        settings.sync();
        // The value lives on in memory for the rest of the session.
        QCOMPARE(settings.value(QStringLiteral("FileDialog/lastVisited")).toString(),
                 QStringLiteral("file:///tmp"));
    }
    QStringList written;
    QDirIterator it(m_home.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        written << it.next();
    QVERIFY2(written.isEmpty(), qPrintable(written.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestSettingsOffDisk)
#include "tst_settingsoffdisk.moc"
