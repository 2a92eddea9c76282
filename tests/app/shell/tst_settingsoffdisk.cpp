#include "app/editing/standardfiledialogs.h"
#include "app/shell/settingsoffdisk.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Closes the next file dialog as soon as it is shown, choosing `file` if one is given.
void closeNextDialog(const QString &file)
{
    auto timer = std::make_shared<QTimer>();
    timer->setInterval(20);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [timer, file] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        if (file.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(file);
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    timer->start();
}

} // namespace

class TestSettingsOffDisk : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogWritesNothing_data();
    void dialogWritesNothing();

private:
    QTemporaryDir m_home;
    QTemporaryDir m_work;
};

void TestSettingsOffDisk::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(m_work.isValid());
    // Where a settings file of the user would be written.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
    keepSettingsOffDisk();
}

void TestSettingsOffDisk::dialogWritesNothing_data()
{
    QTest::addColumn<bool>("isSave");
    QTest::addColumn<bool>("chooses");
    QTest::newRow("open, cancelled") << false << false;
    QTest::newRow("open, file chosen") << false << true;
    QTest::newRow("save, cancelled") << true << false;
}

void TestSettingsOffDisk::dialogWritesNothing()
{
    QFETCH(bool, isSave);
    QFETCH(bool, chooses);
    const QString file = m_work.filePath(isSave ? QStringLiteral("новый.txt") : QStringLiteral("старый.txt"));
    if (!isSave) {
        QFile existing(file);
        QVERIFY(existing.open(QIODevice::WriteOnly));
    }

    StandardFileDialogs dialogs;
    closeNextDialog(chooses ? file : QString());
    const QString chosen = isSave ? dialogs.saveFileName(nullptr) : dialogs.openFileName(nullptr);
    QCOMPARE(chosen, chooses ? file : QString());

    QStringList written;
    QDirIterator files(m_home.path(), QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext())
        written.append(files.next());
    QVERIFY2(written.isEmpty(), qPrintable(written.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestSettingsOffDisk)
#include "tst_settingsoffdisk.moc"
