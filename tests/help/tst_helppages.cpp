#include "editor/algorithmfile.h"
#include "editor/procedurename.h"
#include "help/helpexamples.h"
#include "help/helphistory.h"
#include "help/helppages.h"
#include "help/helptopics.h"
#include "tasks/file/taskfileerror.h"
#include "world/commands/runtexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestHelpPages : public QObject
{
    Q_OBJECT

private slots:
    void examplesDoWhatTheirPagesSay_data();
    void examplesDoWhatTheirPagesSay();
    void everyMessageHasAPage_data();
    void everyMessageHasAPage();
    void everyMessageFunctionIsListed_data();
    void everyMessageFunctionIsListed();
    void pagesAreWhole();
    void search_data();
    void search();
    void history_data();
    void history();

private:
    HelpPages m_pages;
};

void TestHelpPages::examplesDoWhatTheirPagesSay_data()
{
    QTest::addColumn<QString>("name");
    for (const HelpExample &example : helpExamples())
        QTest::newRow(qPrintable(example.name)) << example.name;
}

void TestHelpPages::examplesDoWhatTheirPagesSay()
{
    QFETCH(QString, name);
    const HelpExample example = *helpExample(name);
    const HelpExampleRun run = runHelpExample(example);
    QCOMPARE(run.end, example.expectedEnd);
    QCOMPARE(run.executor, example.expectedExecutor);
    QCOMPARE(run.trace, example.expectedTrace);
    QVERIFY(!run.before.isNull());
    QCOMPARE(run.after.size(), run.before.size());
    QVERIFY(run.after != run.before);
    // Some page shows it, with the sentence that says what it does.
    bool shown = false;
    for (const HelpPage &page : m_pages.pages())
        shown = shown || page.html.contains(QStringLiteral("example:%1/after").arg(name));
    QVERIFY(shown);
}

void TestHelpPages::everyMessageHasAPage_data()
{
    QTest::addColumn<QString>("message");
    const QString file = QStringLiteral("/home/ученик/путь.txt");
    QTest::newRow("wallCrashMessage") << wallCrashMessage().text;
    QTest::newRow("arrangementMessage one") << arrangementMessage({2}).text;
    QTest::newRow("arrangementMessage three") << arrangementMessage({1, 2, 1}).text;
    QTest::newRow("missingLineMessage") << missingLineMessage(QStringLiteral("КЦ")).text;
    QTest::newRow("callsTooDeepMessage") << callsTooDeepMessage(100000).text;
    QTest::newRow("enterProcedureNameMessage") << enterProcedureNameMessage();
    QTest::newRow("nameMustStartWithLetterMessage") << nameMustStartWithLetterMessage();
    QTest::newRow("procedureAlreadyDescribedMessage")
        << procedureAlreadyDescribedMessage(QStringLiteral("угол"));
    QTest::newRow("procedureStillCalledMessage") << procedureStillCalledMessage();
    QTest::newRow("cannotCreateFileMessage") << cannotCreateFileMessage(file, QStringLiteral("нет доступа"));
    QTest::newRow("cannotOpenFileMessage") << cannotOpenFileMessage(file);
    QTest::newRow("cannotWriteFileMessage") << cannotWriteFileMessage(file, QStringLiteral("диск полон"));
    QTest::newRow("writeFailedMessage") << writeFailedMessage(file, FileWriteResult{});
    QTest::newRow("fileTooLargeMessage") << fileTooLargeMessage(file);
    QTest::newRow("writtenAsUtf8Message") << writtenAsUtf8Message(file);
    QTest::newRow("badTaskFile") << TaskFileError::badTaskFile(3).message;
    QTest::newRow("notAnInteger") << TaskFileError::notAnInteger(QStringLiteral("1x"), 2, 3).message;
    QTest::newRow("fileNotFound") << TaskFileError::fileNotFound(QStringLiteral("Zerid.txt")).message;
    QTest::newRow("fileNotReadable")
        << TaskFileError::fileNotReadable(file, QStringLiteral("нет доступа")).message;
    QTest::newRow("fileTooLarge") << TaskFileError::fileTooLarge(file).message;
    QTest::newRow("patternNotFound") << TaskFileError::patternNotFound(QStringLiteral("zerid.bmp")).message;
    // The windows' own texts.
    QTest::newRow("refusalMessage") << QStringLiteral(
        "Символ «€» нельзя записать в файл алгоритма:\nфайл пишется");
    QTest::newRow("askToSaveAlgorithm") << QStringLiteral("Сохранить алгоритм в файле?");
    QTest::newRow("askToReplaceFile") << QStringLiteral("Файл /tmp/a.txt уже существует.\nЗаменить его?");
    QTest::newRow("task folder") << QStringLiteral("Не найден путь /tmp/нет");
}

void TestHelpPages::everyMessageHasAPage()
{
    QFETCH(QString, message);
    const QString topic = messageTopic(message);
    QVERIFY2(m_pages.hasPage(topic), qPrintable(message));
    // The page quotes the message's first words, so the pupil recognises it.
    static const QRegularExpression variable(QStringLiteral("'[^']*'|«[^»]*»|\"[^\"]*\"|/\\S*|\\n"));
    QString start;
    for (const QString &part : message.split(variable, Qt::SkipEmptyParts)) {
        if (start.isEmpty())
            start = part.simplified().section(QLatin1Char(' '), 0, 2);
    }
    QVERIFY(!start.isEmpty());
    QVERIFY2(m_pages.page(topic).plainText.contains(start, Qt::CaseInsensitive), qPrintable(start));
}

// The message tables: a message function added to one of them needs its row above.
void TestHelpPages::everyMessageFunctionIsListed_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("declaration");
    QTest::newRow("run") << "src/world/commands/runtexts.h"
                         << "^RunMessage (\\w+)\\(";
    QTest::newRow("procedure names") << "src/editor/procedurename.h"
                                     << "^QString (\\w+Message)\\(";
    QTest::newRow("algorithm files") << "src/editor/algorithmfile.h"
                                     << "^QString (\\w+Message)\\(";
    QTest::newRow("task files") << "src/tasks/file/taskfileerror.h"
                                << "static TaskFileError (\\w+)\\(";
}

void TestHelpPages::everyMessageFunctionIsListed()
{
    QFETCH(QString, header);
    QFETCH(QString, declaration);
    // The functions everyMessageHasAPage_data calls.
    const QStringList listed{"wallCrashMessage",
                             "arrangementMessage",
                             "missingLineMessage",
                             "callsTooDeepMessage",
                             "enterProcedureNameMessage",
                             "nameMustStartWithLetterMessage",
                             "procedureAlreadyDescribedMessage",
                             "procedureStillCalledMessage",
                             "cannotCreateFileMessage",
                             "cannotOpenFileMessage",
                             "cannotWriteFileMessage",
                             "writeFailedMessage",
                             "fileTooLargeMessage",
                             "writtenAsUtf8Message",
                             "badTaskFile",
                             "notAnInteger",
                             "fileNotFound",
                             "fileNotReadable",
                             "fileTooLarge",
                             "patternNotFound"};
    QFile file(QStringLiteral(SHAGAIKA_SOURCE_DIR "/") + header);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QRegularExpression pattern(declaration, QRegularExpression::MultilineOption);
    int found = 0;
    for (const auto &match : pattern.globalMatch(QString::fromUtf8(file.readAll()))) {
        ++found;
        QVERIFY2(listed.contains(match.captured(1)),
                 qPrintable(match.captured(1) + QStringLiteral(" has no row")));
    }
    QVERIFY(found > 0);
}

void TestHelpPages::pagesAreWhole()
{
    static const QRegularExpression link(QStringLiteral("href=\"page:([a-z0-9-]+)\""));
    QVERIFY(m_pages.pages().size() > 40);
    const QString index = m_pages.page(QString::fromLatin1(HelpPages::indexPage)).html;
    for (const HelpPage &page : m_pages.pages()) {
        QVERIFY2(!page.title.isEmpty(), qPrintable(page.id));
        QVERIFY2(!page.html.contains(QStringLiteral("{{")), qPrintable(page.id));
        QVERIFY2(page.id == QLatin1String(HelpPages::indexPage)
                     || index.contains(QStringLiteral("page:%1\"").arg(page.id)),
                 qPrintable(page.id + QStringLiteral(" is not in the contents")));
        for (const auto &match : link.globalMatch(page.html))
            QVERIFY2(m_pages.hasPage(match.captured(1)),
                     qPrintable(page.id + QStringLiteral(" links ") + match.captured(1)));
    }
    for (int kind = 0; kind <= int(LineKind::Other); ++kind)
        QVERIFY(m_pages.hasPage(lineTopic(LineKind(kind))));
}

void TestHelpPages::search_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QStringList>("notFound");
    QTest::newRow("a noun in its other cases")
        << "стена" << QStringList{"msg-wall", "condition", "loop", "variable-walls", "teacher"}
        << QStringList{"statistics"};
    QTest::newRow("capitals do not matter")
        << "поворот" << QStringList{"turn", "step"} << QStringList{"calls"};
    QTest::newRow("every word must be there")
        << "пауза вызов" << QStringList{"pause", "calls"} << QStringList{"turn"};
    QTest::newRow("nothing") << "ёжик" << QStringList{} << QStringList{"index"};
    QTest::newRow("blanks only") << "   " << QStringList{} << QStringList{"index"};
}

void TestHelpPages::search()
{
    QFETCH(QString, query);
    QFETCH(QStringList, found);
    QFETCH(QStringList, notFound);
    const QStringList result = m_pages.search(query);
    for (const QString &id : found)
        QVERIFY2(result.contains(id), qPrintable(id));
    for (const QString &id : notFound)
        QVERIFY2(!result.contains(id), qPrintable(id));
    QCOMPARE(result.isEmpty(), found.isEmpty());
    // A page named after the word comes first.
    if (query == QLatin1String("поворот"))
        QCOMPARE(result.first(), QStringLiteral("turn"));
}

void TestHelpPages::history_data()
{
    QTest::addColumn<QStringList>("actions"); // a page to open, or "<" back, ">" forward
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("canGoBack");
    QTest::addColumn<bool>("canGoForward");
    QTest::newRow("nothing yet") << QStringList{"<"} << "" << false << false;
    QTest::newRow("back") << QStringList{"a", "b", "<"} << "a" << false << true;
    QTest::newRow("back and forward") << QStringList{"a", "b", "<", ">"} << "b" << true << false;
    QTest::newRow("no further than the first") << QStringList{"a", "b", "<", "<"} << "a" << false << true;
    QTest::newRow("opening drops what was ahead")
        << QStringList{"a", "b", "<", "c", ">"} << "c" << true << false;
    QTest::newRow("the same page twice is one") << QStringList{"a", "a", "<"} << "a" << false << false;
}

void TestHelpPages::history()
{
    QFETCH(QStringList, actions);
    QFETCH(QString, current);
    QFETCH(bool, canGoBack);
    QFETCH(bool, canGoForward);
    HelpHistory history;
    for (const QString &action : actions) {
        if (action == QLatin1String("<"))
            history.back();
        else if (action == QLatin1String(">"))
            history.forward();
        else
            history.open(action);
    }
    QCOMPARE(history.current(), current);
    QCOMPARE(history.canGoBack(), canGoBack);
    QCOMPARE(history.canGoForward(), canGoForward);
}

QTEST_MAIN(TestHelpPages)
#include "tst_helppages.moc"
