// Reads every #include "…" of the sources and checks that it points down the layers, so
// that a header of a higher layer included from a lower one fails the test run even where
// it would still link (a header-only use).
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

QString sourceRoot()
{
    return QStringLiteral(SHAGAIKA_SOURCE_DIR "/src/");
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
    void includesPointDown_data();
    void includesPointDown();
};

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
    QTest::newRow("app/shell") << QStringLiteral("app/shell") << with(work, {QStringLiteral("app/shell")});
    QTest::newRow("cli/run") << QStringLiteral("cli/run") << with(judge, {QStringLiteral("cli/run")});
    QTest::newRow("cli/jury") << QStringLiteral("cli/jury")
                              << with(judge, {QStringLiteral("cli/run"), QStringLiteral("cli/jury")});
    QTest::newRow("cli/validate") << QStringLiteral("cli/validate")
                                  << with(judge,
                                          {QStringLiteral("cli/run"), QStringLiteral("cli/jury"),
                                           QStringLiteral("cli/validate")});
    QTest::newRow("taskedit") << QStringLiteral("taskedit") << with(judge, {QStringLiteral("taskedit")});
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
        QStringLiteral("taskedit"),       QStringLiteral("judge")};
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);

    int filesRead = 0;
    QStringList wrong;
    QDirIterator it(sourceRoot() + folder, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(sourceRoot().size());
        if (owner(relative, folders) != folder)
            continue;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        ++filesRead;
        const QString text = QString::fromUtf8(file.readAll());
        for (const auto &match : include.globalMatch(text)) {
            const QString target = match.captured(1);
            const QString targetOwner = owner(target, folders);
            // Local includes (a moc file, a header beside the source) have no folder.
            if (!target.contains(QLatin1Char('/')))
                continue;
            if (targetOwner.isEmpty() || !allowed.contains(targetOwner))
                wrong << relative + QStringLiteral(" includes ") + target;
        }
    }
    QVERIFY2(filesRead > 0, qPrintable(QStringLiteral("no sources in ") + folder));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_APPLESS_MAIN(TestLayering)
#include "tst_layering.moc"
