// Reads every #include of the sources, the tests, the benchmarks and the fuzz targets and
// checks that it points down the layers, so that a header of a higher layer included from a
// lower one fails the test run even where it would still link (a header-only use). An include
// in angle brackets that names a folder of src/ is judged as one in quotes; any other names a
// system or Qt header, and one of Qt Widgets is a fault where Qt Widgets is not linked.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {

QString projectRoot()
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/");
}

QString sourceRoot()
{
    return projectRoot() + QStringLiteral("src/");
}

QString widgetsHeaders()
{
    return QLibraryInfo::path(QLibraryInfo::HeadersPath) + QStringLiteral("/QtWidgets/");
}

// Only the windows' layers link Qt Widgets (src/CMakeLists.txt).
bool linksWidgets(const QString &folder)
{
    const QString top = folder.section(QLatin1Char('/'), 0, 0);
    return top == QLatin1String("app") || top == QLatin1String("taskedit")
        || top == QLatin1String("helpview");
}

// The file's includes that break the rule: a project path that `isAllowed` refuses, or, where
// Qt Widgets is not linked, a header of Qt Widgets (by its module's folder or by its name).
QStringList wrongIncludes(const QString &path, bool widgets,
                          const std::function<bool(const QString &)> &isAllowed)
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*([\"<])([^\">]+)[\">]"),
                                            QRegularExpression::MultilineOption);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {path + QStringLiteral(" cannot be read")};
    QStringList wrong;
    for (const auto &match : include.globalMatch(QString::fromUtf8(file.readAll()))) {
        const QString target = match.captured(2);
        const QString top = target.section(QLatin1Char('/'), 0, 0);
        // Local includes (a moc file, a header beside the source) have no folder.
        const bool isProject = target.contains(QLatin1Char('/'))
            && (match.captured(1) == QLatin1String("\"") || QFileInfo(sourceRoot() + top).isDir());
        const bool isWidgets = top == QLatin1String("QtWidgets")
            || QFileInfo::exists(widgetsHeaders() + target.section(QLatin1Char('/'), -1));
        if (isProject ? !isAllowed(target) : isWidgets && !widgets)
            wrong << path.mid(projectRoot().size()) + QStringLiteral(" includes ") + target;
    }
    return wrong;
}

// The folder (as a prefix of the path below src/) that a path belongs to: the longest
// prefix listed in the table wins, so "cli/jury/x.h" is "cli/jury", not "cli".
QString owner(const QString &path, const QStringList &folders)
{
    QString best;
    for (const QString &folder : folders) {
        if (path.startsWith(folder + QLatin1Char('/')) && folder.size() > best.size())
            best = folder;
    }
    return best;
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void includesPointDown_data();
    void includesPointDown();
    void testCodeIncludesPointDown_data();
    void testCodeIncludesPointDown();
};

void TestLayering::initTestCase()
{
    QVERIFY2(QFileInfo(widgetsHeaders()).isDir(), qPrintable(widgetsHeaders()));
}

void TestLayering::includesPointDown_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("allowed");

    const auto with = [](QStringList list, const QStringList &more) {
        list += more;
        return list;
    };
    const QStringList text{QStringLiteral("common"), QStringLiteral("editor")};
    // The world's state, then what the executor's commands do to it, then the interpreter.
    const QStringList model = with(text, {QStringLiteral("world/model")});
    const QStringList commands = with(model, {QStringLiteral("world/commands")});
    const QStringList world = with(commands, {QStringLiteral("world/run")});
    // Task files, then setting a task up from them, then the checks a teacher's task needs.
    const QStringList taskFiles = with(world, {QStringLiteral("tasks/file")});
    const QStringList taskSetup = with(taskFiles, {QStringLiteral("tasks/setup")});
    const QStringList tasks = with(taskSetup, {QStringLiteral("tasks/check")});
    const QStringList core = with(tasks, {QStringLiteral("display")});
    const QStringList judge = with(core, {QStringLiteral("judge")});

    QTest::newRow("common") << QStringLiteral("common") << QStringList{QStringLiteral("common")};
    QTest::newRow("editor") << QStringLiteral("editor") << text;
    QTest::newRow("world/model") << QStringLiteral("world/model") << model;
    QTest::newRow("world/commands") << QStringLiteral("world/commands") << commands;
    QTest::newRow("world/run") << QStringLiteral("world/run") << world;
    QTest::newRow("tasks/file") << QStringLiteral("tasks/file") << taskFiles;
    QTest::newRow("tasks/setup") << QStringLiteral("tasks/setup") << taskSetup;
    QTest::newRow("tasks/check") << QStringLiteral("tasks/check") << tasks;
    QTest::newRow("display") << QStringLiteral("display") << with(world, {QStringLiteral("display")});
    QTest::newRow("judge") << QStringLiteral("judge") << judge;
    // The help's pages, then the window that shows them, for the pupil's and the teacher's windows.
    const QStringList help = with(judge, {QStringLiteral("help")});
    const QStringList helpView = with(help, {QStringLiteral("helpview")});
    QTest::newRow("help") << QStringLiteral("help") << help;
    QTest::newRow("helpview") << QStringLiteral("helpview") << helpView;
    // The pupil's work session, then the windows' folders, each above those it names.
    const QStringList session = with(judge, {QStringLiteral("session")});
    const QStringList appCommon = with(session, {QStringLiteral("app/common")});
    const QStringList editing = with(appCommon, {QStringLiteral("app/editing")});
    const QStringList field = with(editing, {QStringLiteral("app/field")});
    const QStringList work =
        with(field, {QStringLiteral("app/run"), QStringLiteral("app/print"), QStringLiteral("app/work")});
    QTest::newRow("session") << QStringLiteral("session") << session;
    QTest::newRow("app/common") << QStringLiteral("app/common") << appCommon;
    QTest::newRow("app/editing") << QStringLiteral("app/editing") << editing;
    QTest::newRow("app/field") << QStringLiteral("app/field") << field;
    QTest::newRow("app/run") << QStringLiteral("app/run") << with(appCommon, {QStringLiteral("app/run")});
    QTest::newRow("app/print") << QStringLiteral("app/print") << with(editing, {QStringLiteral("app/print")});
    QTest::newRow("app/work") << QStringLiteral("app/work") << work;
    const QStringList workHelp = with(work, helpView + QStringList{QStringLiteral("app/help")});
    QTest::newRow("app/help") << QStringLiteral("app/help") << workHelp;
    QTest::newRow("app/shell") << QStringLiteral("app/shell")
                               << with(workHelp, {QStringLiteral("app/shell")});
    QTest::newRow("cli/run") << QStringLiteral("cli/run") << with(judge, {QStringLiteral("cli/run")});
    QTest::newRow("cli/jury") << QStringLiteral("cli/jury")
                              << with(judge, {QStringLiteral("cli/run"), QStringLiteral("cli/jury")});
    QTest::newRow("cli/validate") << QStringLiteral("cli/validate")
                                  << with(judge,
                                          {QStringLiteral("cli/run"), QStringLiteral("cli/jury"),
                                           QStringLiteral("cli/validate")});
    QTest::newRow("taskedit") << QStringLiteral("taskedit") << with(helpView, {QStringLiteral("taskedit")});
    QTest::newRow("cli") << QStringLiteral("cli")
                         << with(judge,
                                 {QStringLiteral("cli"), QStringLiteral("cli/run"),
                                  QStringLiteral("cli/jury"), QStringLiteral("cli/validate")});
}

void TestLayering::includesPointDown()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, allowed);

    // Every folder named in the table, so that an include is judged by its nearest owner.
    const QStringList folders{
        QStringLiteral("common"),         QStringLiteral("editor"),      QStringLiteral("world/model"),
        QStringLiteral("world/commands"), QStringLiteral("world/run"),   QStringLiteral("tasks/file"),
        QStringLiteral("tasks/setup"),    QStringLiteral("tasks/check"), QStringLiteral("display"),
        QStringLiteral("session"),        QStringLiteral("app/common"),  QStringLiteral("app/editing"),
        QStringLiteral("app/field"),      QStringLiteral("app/run"),     QStringLiteral("app/print"),
        QStringLiteral("app/work"),       QStringLiteral("app/shell"),   QStringLiteral("cli"),
        QStringLiteral("cli/run"),        QStringLiteral("cli/jury"),    QStringLiteral("cli/validate"),
        QStringLiteral("taskedit"),       QStringLiteral("judge"),       QStringLiteral("help"),
        QStringLiteral("helpview"),       QStringLiteral("app/help")};

    int filesRead = 0;
    QStringList wrong;
    QDirIterator it(sourceRoot() + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(sourceRoot().size());
        if (owner(relative, folders) != folder)
            continue;
        ++filesRead;
        wrong += wrongIncludes(path, linksWidgets(folder), [&](const QString &target) {
            const QString targetOwner = owner(target, folders);
            return !targetOwner.isEmpty() && allowed.contains(targetOwner);
        });
    }
    QVERIFY2(filesRead > 0, qPrintable(QStringLiteral("no sources in ") + folder));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestLayering::testCodeIncludesPointDown_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("widgets");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QStringList>("layers");

    const QStringList text{"common", "editor"};
    const QStringList world = text + QStringList{"world"};
    const QStringList core = world + QStringList{"tasks", "display"};
    const QStringList judge = core + QStringList{"judge"};
    const QStringList session = judge + QStringList{"session"};
    // A test may include what the layer its top folder links may (tests/CMakeLists.txt), and the test helpers.
    QTest::newRow("tests/common") << "tests/common" << false << "*" << QStringList{"common"};
    QTest::newRow("tests/editor") << "tests/editor" << false << "*" << text;
    QTest::newRow("tests/world") << "tests/world" << false << "*" << world;
    QTest::newRow("tests/tasks") << "tests/tasks" << false << "*" << world + QStringList{"tasks"};
    QTest::newRow("tests/display") << "tests/display" << false << "*" << world + QStringList{"display"};
    QTest::newRow("tests/judge") << "tests/judge" << false << "*" << judge;
    QTest::newRow("tests/session") << "tests/session" << false << "*" << session;
    QTest::newRow("tests/help") << "tests/help" << false << "*" << judge + QStringList{"help"};
    QTest::newRow("tests/app") << "tests/app" << true << "*"
                               << session + QStringList{"app", "help", "helpview"};
    QTest::newRow("tests/cli") << "tests/cli" << false << "*" << judge + QStringList{"cli"};
    QTest::newRow("tests/taskedit") << "tests/taskedit" << true << "*"
                                    << judge + QStringList{"help", "helpview", "taskedit"};
    QTest::newRow("tests/architecture") << "tests/architecture" << false << "*" << QStringList();
    QTest::newRow("tests/packaging") << "tests/packaging" << false << "*" << QStringList();
    // The benchmarks and the fuzz targets link the core, those of the windows the windows too (bench/CMakeLists.txt).
    QTest::newRow("bench") << "bench" << false << "bench_*" << core;
    QTest::newRow("benchgui") << "bench" << true << "benchgui_*" << session + QStringList{"app"};
    QTest::newRow("benchui") << "bench" << true << "benchui_*" << session + QStringList{"app"};
    QTest::newRow("memoryfloor") << "bench" << true << "memoryfloor" << QStringList();
    QTest::newRow("fuzz") << "fuzz" << false << "*" << core;
}

void TestLayering::testCodeIncludesPointDown()
{
    QFETCH(QString, folder);
    QFETCH(bool, widgets);
    QFETCH(QString, names);
    QFETCH(QStringList, layers);

    const QString helpers = projectRoot() + QStringLiteral("tests/");
    int filesRead = 0;
    QStringList wrong;
    QDirIterator it(projectRoot() + folder, {names + QStringLiteral(".cpp"), names + QStringLiteral(".h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        ++filesRead;
        wrong += wrongIncludes(path, widgets, [&](const QString &target) {
            return layers.contains(target.section(QLatin1Char('/'), 0, 0))
                || (path.startsWith(helpers) && QFileInfo::exists(helpers + target));
        });
    }
    QVERIFY2(filesRead > 0, qPrintable(QStringLiteral("no sources in ") + folder));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_APPLESS_MAIN(TestLayering)
#include "tst_layering.moc"
