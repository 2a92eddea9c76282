#include "cli/jury/report/juryjson.h"

#include "cli/jury/report/jurytexts.h"
#include "judge/passrunner.h"
#include "world/run/runeventlog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray edgesJson(const QList<CellEdge> &edges)
{
    QJsonArray array;
    for (const CellEdge &edge : edges)
        array.append(QJsonArray{edge.first.column, edge.first.row, edge.second.column, edge.second.row});
    return array;
}

QJsonObject passJson(const JuryReport &report, const JuryFileResult &file, const TestPass &pass)
{
    const QString replay = replayCommand(report.taskFolder, file.file, pass);
    QJsonArray arrangement;
    for (int selector : pass.arrangement)
        arrangement.append(selector);
    return QJsonObject{
        {QStringLiteral("test"), pass.number},
        {QStringLiteral("code"), passCode(pass)},
        {QStringLiteral("size"), pass.fieldSize},
        {QStringLiteral("arrangement"), arrangement},
        {QStringLiteral("end"), RunEventLog::endName(pass.end)},
        {QStringLiteral("correct"), pass.isCorrect},
        {QStringLiteral("executor"),
         QJsonObject{{QStringLiteral("column"), pass.executor.column},
                     {QStringLiteral("row"), pass.executor.row},
                     {QStringLiteral("heading"), pass.executor.heading}}},
        {QStringLiteral("lines"), pass.lines},
        {QStringLiteral("stop_line"),
         stopLineNumber(pass) > 0 ? QJsonValue(stopLineNumber(pass)) : QJsonValue()},
        {QStringLiteral("slow_ms"), pass.slowMs},
        {QStringLiteral("message"), pass.message},
        {QStringLiteral("missing"), edgesJson(pass.missing)},
        {QStringLiteral("extra"), edgesJson(pass.extra)},
        {QStringLiteral("replay"), replay.isEmpty() ? QJsonValue() : QJsonValue(replay)},
    };
}

QJsonValue statisticsJson(const JuryFileResult &file)
{
    if (!file.isRead() || !file.isAlgorithm())
        return QJsonValue();
    const AlgorithmCounts &c = file.counts;
    return QJsonObject{{QStringLiteral("commands"), c.commands}, {QStringLiteral("procedures"), c.procedures},
                       {QStringLiteral("calls"), c.calls},       {QStringLiteral("branches"), c.branches},
                       {QStringLiteral("loops"), c.loops},       {QStringLiteral("lines"), c.lines}};
}

QJsonObject fileJson(const JuryReport &report, const JuryFileResult &file)
{
    QJsonArray passes;
    for (const TestPass &pass : file.passes)
        passes.append(passJson(report, file, pass));
    return QJsonObject{
        {QStringLiteral("file"), file.file},
        {QStringLiteral("sha256"), file.sha256},
        {QStringLiteral("identical_to"), QJsonArray::fromStringList(file.identicalTo)},
        {QStringLiteral("other_paths"), QJsonArray::fromStringList(file.otherPaths)},
        {QStringLiteral("verdict"), verdictName(file)},
        {QStringLiteral("code"), fileCode(file)},
        {QStringLiteral("error"), file.isRead() ? file.notAlgorithm : file.readError},
        {QStringLiteral("statistics"), statisticsJson(file)},
        {QStringLiteral("passes"), passes},
    };
}

// An object indented as a member of the document's root.
QByteArray memberJson(const QJsonObject &object, int depth)
{
    QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented).trimmed();
    // A string in JSON holds no raw line break, so every one is the layout's own.
    text.replace('\n', QByteArray(1, '\n') + QByteArray(4 * depth, ' '));
    return text;
}

QJsonValue chosenTestJson(const JuryReport &report)
{
    if (!report.chosenTest)
        return QJsonValue(QJsonValue::Null);
    const TaskTest &test = *report.chosenTest;
    QJsonArray arrangement;
    for (int selector : test.arrangement)
        arrangement.append(selector);
    return QJsonObject{{QStringLiteral("number"), test.number},
                       {QStringLiteral("size"), test.fieldSize},
                       {QStringLiteral("arrangement"), arrangement},
                       {QStringLiteral("title"), testTitle(test)}};
}

QJsonArray unreadFoldersJson(const JuryReport &report)
{
    QJsonArray folders;
    for (const UnreadFolder &folder : report.unreadFolders)
        folders.append(
            QJsonObject{{QStringLiteral("folder"), folder.path}, {QStringLiteral("error"), folder.reason}});
    return folders;
}

} // namespace

QByteArray juryJsonHead(const JuryReport &report)
{
    QJsonArray sizes;
    for (int size : report.task.offeredSizes())
        sizes.append(size);
    const QJsonObject head{
        {QStringLiteral("program"), juryProgramText()},
        {QStringLiteral("made"), report.madeAt.toString(Qt::ISODate)},
        {QStringLiteral("task"),
         QJsonObject{{QStringLiteral("file"), report.taskFile},
                     {QStringLiteral("sha256"), report.taskSha256},
                     {QStringLiteral("point_b"), report.task.hasPointB},
                     {QStringLiteral("sizes"), sizes}}},
        {QStringLiteral("reference"),
         report.hasReference() ? QJsonValue(QJsonObject{{QStringLiteral("file"), report.referenceFile},
                                                        {QStringLiteral("sha256"), report.referenceSha256}})
                               : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("limits"),
         QJsonObject{{QStringLiteral("highlights_per_pass"), report.highlightLimit},
                     {QStringLiteral("call_depth"), PassRunner::callDepthLimit},
                     {QStringLiteral("seconds_per_file"), report.timeLimitSeconds},
                     {QStringLiteral("speed"), QStringLiteral("slow")}}},
        {QStringLiteral("test"), chosenTestJson(report)},
        {QStringLiteral("unread_folders"), unreadFoldersJson(report)},
    };
    QByteArray text = memberJson(head, 0);
    text.chop(1); // the closing brace: the files and the summary follow
    return text.trimmed() + ",\n    \"files\": [";
}

QByteArray juryJsonFile(const JuryReport &report, const JuryFileResult &file, bool first)
{
    return (first ? "\n        " : ",\n        ") + memberJson(fileJson(report, file), 2);
}

QByteArray juryJsonTail(const QHash<QString, int> &verdicts)
{
    int files = 0;
    for (int count : verdicts)
        files += count;
    QJsonObject counts{{QStringLiteral("files"), files}};
    for (const QString &name : {QStringLiteral("correct"), QStringLiteral("wrong"),
                                QStringLiteral("not_algorithm"), QStringLiteral("unreadable")})
        counts.insert(name, verdicts.value(name));
    return "\n    ],\n    \"summary\": " + memberJson(counts, 1) + "\n}\n";
}
