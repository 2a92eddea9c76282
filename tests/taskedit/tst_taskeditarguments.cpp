#include "taskedit/taskeditarguments.h"

#include <QTest>

class TestTaskEditArguments : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
};

void TestTaskEditArguments::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<TaskEditArguments::Action>("action");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("mistake");
    using Action = TaskEditArguments::Action;
    QTest::newRow("nothing") << QStringList() << Action::Open << QString() << QString();
    QTest::newRow("a folder") << QStringList{"olymp/task1"} << Action::Open << "olymp/task1" << QString();
    QTest::newRow("--help") << QStringList{"--help"} << Action::Help << QString() << QString();
    QTest::newRow("-h") << QStringList{"-h"} << Action::Help << QString() << QString();
    QTest::newRow("--help after a folder")
        << QStringList{"olymp", "--help"} << Action::Help << QString() << QString();
    QTest::newRow("--help beside a wrong option")
        << QStringList{"--fast", "--help"} << Action::Help << QString() << QString();
    QTest::newRow("--version") << QStringList{"--version"} << Action::Version << QString() << QString();
    QTest::newRow("an unknown option")
        << QStringList{"--fast"} << Action::Mistake << QString() << "неизвестный параметр --fast";
    QTest::newRow("two folders") << QStringList{"a", "b"} << Action::Mistake << QString()
                                 << "можно указать только одну папку задачи, указано 2";
    QTest::newRow("a folder named with a dash after --")
        << QStringList{"--", "-task"} << Action::Open << "-task" << QString();
    QTest::newRow("--help after -- is a folder")
        << QStringList{"--", "--help"} << Action::Open << "--help" << QString();
    QTest::newRow("a lone dash is a folder") << QStringList{"-"} << Action::Open << "-" << QString();
}

void TestTaskEditArguments::parse()
{
    QFETCH(QStringList, arguments);
    const TaskEditArguments parsed = TaskEditArguments::parse(arguments);
    QTEST(parsed.action, "action");
    QTEST(parsed.folder, "folder");
    QTEST(parsed.mistake, "mistake");
}

QTEST_GUILESS_MAIN(TestTaskEditArguments)
#include "tst_taskeditarguments.moc"
