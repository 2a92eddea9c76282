#include "cli/jury/report/jurytexts.h"

#include "common/printablename.h"
#include "judge/passrunner.h"

#include <QDir>

#include <iterator>

QString executorText(const ExecutorState &executor)
{
    return QStringLiteral("(%1,%2) %3°").arg(executor.column).arg(executor.row).arg(executor.heading);
}

QString slowTimeText(qint64 milliseconds)
{
    return QStringLiteral("%1,%2 с").arg(milliseconds / 1000).arg((milliseconds % 1000) / 100);
}

QString failureText(const TestPass &pass, bool hasPointB)
{
    constexpr qsizetype shownEdges = 4; // one line; the full lists stand in the details
    if (pass.isCorrect)
        return {};
    QStringList reasons;
    if (pass.end != RunEnd::Complete)
        reasons.append(outcomeText(pass));
    if (hasPointB) {
        if (pass.end == RunEnd::Complete)
            reasons.append(QStringLiteral("конец не в точке Б, а в (%1,%2)")
                               .arg(pass.executor.column)
                               .arg(pass.executor.row));
    } else {
        if (!pass.missing.isEmpty())
            reasons.append(QStringLiteral("нет %1").arg(edgeListText(pass.missing, shownEdges)));
        if (!pass.extra.isEmpty())
            reasons.append(QStringLiteral("лишние %1").arg(edgeListText(pass.extra, shownEdges)));
    }
    if (reasons.isEmpty())
        reasons.append(QStringLiteral("нет прохода эталона для сравнения"));
    return QStringLiteral("%1: %2").arg(testTitle(pass), reasons.join(QStringLiteral("; ")));
}

namespace {

struct PassVerdict
{
    QString code;
    QString word;
};

PassVerdict passVerdict(const TestPass &pass)
{
    if (pass.isCorrect)
        return {QStringLiteral("OK"), QStringLiteral("верно")};
    switch (pass.end) {
    case RunEnd::Complete: break;
    case RunEnd::Crash: return {QStringLiteral("CR"), QStringLiteral("столкновение со стеной")};
    case RunEnd::Stopped:
        return {QStringLiteral("TL"),
                pass.isOutOfTime ? QStringLiteral("превышено время")
                                 : QStringLiteral("превышен предел строк")};
    case RunEnd::Error: return {QStringLiteral("RE"), QStringLiteral("ошибка в тексте")};
    }
    return {QStringLiteral("WA"), QStringLiteral("неверный результат")};
}

} // namespace

QString passCode(const TestPass &pass)
{
    return passVerdict(pass).code;
}

QString passCodeWord(const TestPass &pass)
{
    return passVerdict(pass).word;
}

QString testTitle(const TaskTest &test)
{
    QString title = QStringLiteral("тест %1 — поле %2 × %2")
                        .arg(QString::number(test.number), QString::number(test.fieldSize));
    if (!test.arrangement.isEmpty())
        title += QStringLiteral(", стенки ") + selectorsText(test.arrangement);
    return title;
}

QString testTitle(const TestPass &pass)
{
    return testTitle(TaskTest{pass.number, pass.fieldSize, pass.arrangement});
}

QString chosenTestText(const TaskTest &test)
{
    return QStringLiteral("Проверяется только ") + testTitle(test);
}

QString fileCode(const JuryFileResult &file)
{
    if (!file.isRead())
        return QStringLiteral("FE");
    if (!file.isAlgorithm())
        return QStringLiteral("CE");
    const TestPass *failure = file.firstFailure();
    if (!failure)
        return file.passes.isEmpty() ? QStringLiteral("WA") : QStringLiteral("OK");
    return QStringLiteral("%1 %2").arg(passCode(*failure), QString::number(failure->number));
}

QString verdictText(const JuryFileResult &file)
{
    QString word;
    if (!file.isRead())
        word = QStringLiteral("не прочитан");
    else if (!file.isAlgorithm())
        word = QStringLiteral("не алгоритм");
    else if (const TestPass *failure = file.firstFailure())
        word = passCodeWord(*failure);
    else
        word = file.passes.isEmpty() ? QStringLiteral("нет ни одного теста") : QStringLiteral("верно");
    return QStringLiteral("%1 — %2").arg(fileCode(file), word);
}

QString verdictName(const JuryFileResult &file)
{
    if (!file.isRead())
        return QStringLiteral("unreadable");
    if (!file.isAlgorithm())
        return QStringLiteral("not_algorithm");
    return file.isCorrect() ? QStringLiteral("correct") : QStringLiteral("wrong");
}

QString juryLimitsText(qint64 highlightLimit, int timeLimitSeconds)
{
    return QStringLiteral("Пределы: %1 подсвеченных строк за проход, %2 вложенных вызовов процедур, "
                          "%3 с процессорного времени на все проходы файла; "
                          "время — на медленной скорости, по виртуальным часам.")
        .arg(highlightLimit)
        .arg(PassRunner::callDepthLimit)
        .arg(timeLimitSeconds);
}

QString verdictTotalsText(const QList<JuryFileResult> &files)
{
    static const char *const codes[] = {"OK", "WA", "CR", "TL", "RE", "CE", "FE"};
    QList<int> counts(std::size(codes), 0);
    for (const JuryFileResult &file : files) {
        const QString code = fileCode(file).section(QLatin1Char(' '), 0, 0);
        for (qsizetype i = 0; i < counts.size(); ++i) {
            if (code == QLatin1String(codes[i]))
                ++counts[i];
        }
    }
    QStringList parts;
    for (qsizetype i = 0; i < counts.size(); ++i)
        parts.append(QStringLiteral("%1 %2").arg(QLatin1String(codes[i])).arg(counts.at(i)));
    return QStringLiteral("Итого: файлов %1; %2").arg(files.size()).arg(parts.join(QStringLiteral(", ")));
}

QString juryProgramText()
{
    return QStringLiteral("shagaika-check %1").arg(QStringLiteral(SHAGAIKA_VERSION));
}

QString identicalText(const QStringList &names)
{
    if (names.isEmpty())
        return {};
    QStringList files;
    for (const QString &name : names)
        files.append(printableName(name));
    // A printed protocol names a few; a hundred copies of the blank template would otherwise fill
    // pages with the same list under every one of them. The CSV and JSON reports keep every name.
    constexpr qsizetype named = 5;
    if (files.size() > named + 1) {
        return QStringLiteral("совпадает с файлами %1 и ещё %2")
            .arg(files.first(named).join(QStringLiteral(", ")))
            .arg(files.size() - named);
    }
    return (files.size() == 1 ? QStringLiteral("совпадает с файлом ")
                              : QStringLiteral("совпадает с файлами "))
        + files.join(QStringLiteral(", "));
}

QString unreadFolderText(const UnreadFolder &folder)
{
    return QStringLiteral("Не проверены файлы папки %1: %2")
        .arg(printableName(QDir::toNativeSeparators(folder.path)), folder.reason);
}

QString otherPathsText(const QStringList &paths)
{
    QStringList shown;
    for (const QString &path : paths)
        shown.append(printableName(path));
    return shown.isEmpty() ? QString() : QStringLiteral("также назван: ") + shown.join(QStringLiteral(", "));
}

QString statisticsText(const AlgorithmCounts &counts)
{
    return QStringLiteral("команд %1, процедур %2, вызовов процедур %3, ветвлений %4, циклов %5, строк %6")
        .arg(counts.commands)
        .arg(counts.procedures)
        .arg(counts.calls)
        .arg(counts.branches)
        .arg(counts.loops)
        .arg(counts.lines);
}

namespace {

// A path that a shell takes as one word, as it is.
QString shellWord(const QString &text)
{
    static const QString plain = QStringLiteral("_-./:=+,@%");
    bool isPlain = !text.isEmpty();
    for (const QChar c : text)
        isPlain = isPlain && (c.isLetterOrNumber() || plain.contains(c));
    if (isPlain)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

QString replayCommand(const QString &taskFolder, const QString &file, const TestPass &pass)
{
    if (pass.isCorrect)
        return {};
    return QStringLiteral("shagaika --task %1 --test %2 %3")
        .arg(shellWord(taskFolder), QString::number(pass.number), shellWord(file));
}

int stopLineNumber(const TestPass &pass)
{
    if (pass.end == RunEnd::Complete || pass.stopRow < 0)
        return 0;
    return pass.stopRow + 1;
}
