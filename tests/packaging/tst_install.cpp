// Installs the build into a fresh prefix, as a technician does with "cmake --install --strip",
// and checks what lands there: exactly the listed files with their permissions, menu entries
// that name installed programs and icons, no build paths in the programs, and a checker that
// works from the installed place on the installed examples.
#include "filehelpers.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct InstalledFile
{
    QByteArray path;
    bool isProgram;
};

const InstalledFile expectedFiles[] = {
    {"bin/shagaika", true},
    {"bin/shagaika-check", true},
    {"bin/shagaika-tasks", true},
    {"share/applications/shagaika.desktop", false},
    {"share/applications/shagaika-tasks.desktop", false},
    {"share/icons/hicolor/64x64/apps/shagaika.png", false},
    {"share/icons/hicolor/scalable/apps/shagaika.svg", false},
    {"share/doc/shagaika/copyright", false},
    {"share/doc/shagaika/LICENSE", false},
    {"share/shagaika/examples/maze/Zerid.txt", false},
    {"share/shagaika/examples/maze/solution.txt", false},
    {"share/shagaika/examples/letter/Zerid.txt", false},
    {"share/shagaika/examples/letter/solution.txt", false},
    {"share/shagaika/examples/letter/zerid.bmp", false},
    {"share/shagaika/examples/detour/Zerid.txt", false},
    {"share/shagaika/examples/detour/solution.txt", false},
};

// The listed files and every file of the task collection, which is installed as it stands.
QList<InstalledFile> installedFiles()
{
    QList<InstalledFile> files(std::begin(expectedFiles), std::end(expectedFiles));
    const QDir source(QStringLiteral(SHAGAIKA_SOURCE_DIR "/collection"));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append({"share/shagaika/collection/" + source.relativeFilePath(it.next()).toUtf8(), false});
    return files;
}

// The value of a key of a desktop entry's main group; empty when it is missing.
QString desktopValue(const QByteArray &entry, const QByteArray &key)
{
    for (const QByteArray &line : entry.split('\n')) {
        if (line.startsWith(key + '='))
            return QString::fromUtf8(line.mid(key.size() + 1)).trimmed();
    }
    return QString();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listedFileInstalled_data();
    void listedFileInstalled();
    void nothingElseInstalled_data();
    void nothingElseInstalled();
    void menuEntryStartsAnInstalledProgram_data();
    void menuEntryStartsAnInstalledProgram();
    void programHoldsNoBuildPath_data();
    void programHoldsNoBuildPath();
    void installedProgramAnswersWithoutDisplay_data();
    void installedProgramAnswersWithoutDisplay();
    void installedCheckerJudgesInstalledExample_data();
    void installedCheckerJudgesInstalledExample();
    void programsFindTheInstalledCollection();

private:
    QTemporaryDir m_prefix;
    QTemporaryDir m_workFolder;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QVERIFY(m_workFolder.isValid());
    // Naming the one component every file belongs to makes the install write its list into
    // install_manifest_Unspecified.txt: the build's install_manifest.txt, which removes a real
    // installation again, stays as it was.
    QProcess install;
    install.start(QStringLiteral(SHAGAIKA_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(SHAGAIKA_BUILD_DIR),
                   QStringLiteral("--prefix"), m_prefix.path(), QStringLiteral("--strip"),
                   QStringLiteral("--component"), QStringLiteral("Unspecified")});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0,
             install.readAllStandardError().constData());
}

void TestInstall::listedFileInstalled_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("isProgram");
    for (const InstalledFile &file : installedFiles())
        QTest::newRow(file.path.constData()) << QString::fromUtf8(file.path) << file.isProgram;
}

void TestInstall::listedFileInstalled()
{
    QFETCH(QString, path);
    QFETCH(bool, isProgram);
    const QFileInfo info(m_prefix.filePath(path));
    QVERIFY2(info.isFile(), qPrintable(path));
    QVERIFY(info.size() > 0);
    const QFile::Permissions permissions = info.permissions();
    QVERIFY(permissions & QFile::ReadOther);
    QVERIFY(!(permissions & (QFile::WriteGroup | QFile::WriteOther)));
    QCOMPARE(bool(permissions & QFile::ExeOther), isProgram);
}

void TestInstall::nothingElseInstalled_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("whole prefix") << QString();
    QTest::newRow("programs") << QStringLiteral("bin");
    QTest::newRow("examples") << QStringLiteral("share/shagaika/examples");
    QTest::newRow("collection") << QStringLiteral("share/shagaika/collection");
}

void TestInstall::nothingElseInstalled()
{
    QFETCH(QString, folder);
    const QString prefix = folder.isEmpty() ? QString() : folder + QLatin1Char('/');
    QSet<QString> expected;
    for (const InstalledFile &file : installedFiles()) {
        const QString path = QString::fromUtf8(file.path);
        if (path.startsWith(prefix))
            expected.insert(path);
    }
    QVERIFY(!expected.isEmpty());
    QSet<QString> found;
    const QDir root(m_prefix.path());
    QDirIterator it(m_prefix.filePath(folder), QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.insert(root.relativeFilePath(it.next()));
    QCOMPARE(found, expected);
}

void TestInstall::menuEntryStartsAnInstalledProgram_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("program");
    QTest::newRow("pupil's program") << QStringLiteral("shagaika.desktop") << QStringLiteral("shagaika");
    QTest::newRow("task editor") << QStringLiteral("shagaika-tasks.desktop")
                                 << QStringLiteral("shagaika-tasks");
}

void TestInstall::menuEntryStartsAnInstalledProgram()
{
    QFETCH(QString, entry);
    QFETCH(QString, program);
    const QByteArray text = readBytes(m_prefix.filePath(QStringLiteral("share/applications/") + entry));
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QCOMPARE(desktopValue(text, "Type"), QStringLiteral("Application"));
    QVERIFY(!desktopValue(text, "Name").isEmpty());
    const QString exec = desktopValue(text, "Exec");
    QCOMPARE(exec.section(QLatin1Char(' '), 0, 0), program);
    QVERIFY(QFileInfo(m_prefix.filePath(QStringLiteral("bin/") + program)).isExecutable());
    const QString icon = desktopValue(text, "Icon");
    QVERIFY(!icon.isEmpty());
    QVERIFY(QFileInfo::exists(
        m_prefix.filePath(QStringLiteral("share/icons/hicolor/64x64/apps/%1.png").arg(icon))));
    QVERIFY(QFileInfo::exists(
        m_prefix.filePath(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon))));
}

void TestInstall::programHoldsNoBuildPath_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QByteArray>("path");
    for (const char *program : {"shagaika", "shagaika-check", "shagaika-tasks"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, sources").arg(QLatin1String(program))))
            << QString::fromLatin1(program) << QByteArray(SHAGAIKA_SOURCE_DIR);
        QTest::newRow(qPrintable(QStringLiteral("%1, build").arg(QLatin1String(program))))
            << QString::fromLatin1(program) << QByteArray(SHAGAIKA_BUILD_DIR);
        // Debug information names the folders the sources were compiled in, whichever they were.
        QTest::newRow(qPrintable(QStringLiteral("%1, debug information").arg(QLatin1String(program))))
            << QString::fromLatin1(program) << QByteArray(".debug_info");
    }
}

void TestInstall::programHoldsNoBuildPath()
{
    QFETCH(QString, program);
    QFETCH(QByteArray, path);
#ifdef SHAGAIKA_SANITIZED
    QSKIP("A sanitizer build names its source files in its own checks; such a build is never installed");
#endif
    const QByteArray bytes = readBytes(m_prefix.filePath(QStringLiteral("bin/") + program));
    QVERIFY(bytes.startsWith("\x7f"
                             "ELF"));
    QVERIFY2(!bytes.contains(path), path.constData());
}

void TestInstall::installedProgramAnswersWithoutDisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QByteArray>("firstLine");
    const QByteArray version(" " SHAGAIKA_PROJECT_VERSION);
    QTest::newRow("checker's version") << "shagaika-check"
                                       << "--version"
                                       << "shagaika-check" + version;
    QTest::newRow("editor's version") << "shagaika-tasks"
                                      << "--version"
                                      << "shagaika-tasks" + version;
    QTest::newRow("checker's help")
        << "shagaika-check"
        << "--help" << QStringLiteral("shagaika-check — проверка алгоритмов Шагайки без окон").toUtf8();
    QTest::newRow("editor's help")
        << "shagaika-tasks"
        << "--help" << QStringLiteral("shagaika-tasks — редактор задач Шагайки для учителя").toUtf8();
}

// A technician asks over a remote shell, where no window can open.
void TestInstall::installedProgramAnswersWithoutDisplay()
{
    QFETCH(QString, program);
    QFETCH(QString, argument);
    QFETCH(QByteArray, firstLine);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(m_prefix.filePath(QStringLiteral("bin/") + program), {argument});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardOutput().split('\n').first(), firstLine);
}

void TestInstall::installedCheckerJudgesInstalledExample_data()
{
    QTest::addColumn<QString>("example");
    QTest::newRow("maze") << QStringLiteral("examples/maze");
    QTest::newRow("letter") << QStringLiteral("examples/letter");
    QTest::newRow("detour") << QStringLiteral("examples/detour");
    QTest::newRow("collection") << QStringLiteral("collection/24-three-lanes");
}

void TestInstall::installedCheckerJudgesInstalledExample()
{
    QFETCH(QString, example);
    const QString folder = m_prefix.filePath(QStringLiteral("share/shagaika/") + example);
    const QString reference = folder + QStringLiteral("/solution.txt");
    const QString report = m_workFolder.filePath(QFileInfo(example).fileName() + QStringLiteral(".json"));
    QProcess checker;
    checker.setWorkingDirectory(m_workFolder.path());
    checker.start(m_prefix.filePath(QStringLiteral("bin/shagaika-check")),
                  {QStringLiteral("--jury"), QStringLiteral("--task"), folder, QStringLiteral("--reference"),
                   reference, QStringLiteral("--report"), report, reference});
    QVERIFY(checker.waitForFinished(60000));
    QVERIFY2(checker.exitCode() == 0, checker.readAllStandardError().constData());
    const QByteArray json = readBytes(report);
    QVERIFY(json.contains("\"program\": \"shagaika-check " SHAGAIKA_PROJECT_VERSION "\""));
}

// The dialogs that ask for a task begin where the programs look for the collection.
void TestInstall::programsFindTheInstalledCollection()
{
    const QString seen = QDir::cleanPath(QDir(m_prefix.filePath(QStringLiteral("bin")))
                                             .filePath(QStringLiteral(SHAGAIKA_COLLECTION_FROM_PROGRAMS)));
    QCOMPARE(seen, QDir::cleanPath(m_prefix.filePath(QStringLiteral("share/shagaika/collection"))));
    QVERIFY(QFileInfo::exists(seen + QStringLiteral("/01-first-steps/Zerid.txt")));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
