#include "cli/jury/report/juryjson.h"

#include "cli/jury/juryrunner.h"
#include "cli/jury/report/jurytexts.h"
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

QJsonObject passJson(const JuryPass &pass)
{
    QJsonArray arrangement;
    for (int selector : pass.arrangement)
        arrangement.append(selector);
    return QJsonObject{
        {QStringLiteral("test"), pass.number},
        {QStringLiteral("code"), passCode(pass)},
        {QStringLiteral("size"), pass.fieldSize},
        {QStringLiteral("arrangement"), arrangement},
        {QStringLiteral("end"), RunEventLog::endName(pass.end)},
        {QStringLiteral("correct"), pass.correct},
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

QJsonObject fileJson(const JuryReport &report, qsizetype index)
{
    const JuryFileResult &file = report.files.at(index);
    QJsonArray passes;
    for (const JuryPass &pass : file.passes)
        passes.append(passJson(pass));
    return QJsonObject{
        {QStringLiteral("file"), file.file},
        {QStringLiteral("sha256"), file.sha256},
        {QStringLiteral("identical_to"), QJsonArray::fromStringList(file.identicalTo)},
        {QStringLiteral("verdict"), verdictName(file)},
        {QStringLiteral("code"), fileCode(file)},
        {QStringLiteral("error"), file.isRead() ? file.notAlgorithm : file.readError},
        {QStringLiteral("statistics"), statisticsJson(file)},
        {QStringLiteral("passes"), passes},
    };
}

} // namespace

QByteArray juryJson(const JuryReport &report)
{
    QJsonArray sizes;
    for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
        if (report.task.offersSize(size))
            sizes.append(size);
    }
    QJsonArray files;
    for (qsizetype i = 0; i < report.files.size(); ++i)
        files.append(fileJson(report, i));
    const int unread = report.unreadFileCount();
    const int correct = report.correctFileCount();
    int notAlgorithm = 0;
    for (const JuryFileResult &file : report.files)
        notAlgorithm += file.isRead() && !file.isAlgorithm() ? 1 : 0;

    const QJsonObject root{
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
                     {QStringLiteral("call_depth"), JuryRunner::callDepthLimit},
                     {QStringLiteral("seconds_per_file"), report.timeLimitSeconds},
                     {QStringLiteral("speed"), QStringLiteral("slow")}}},
        {QStringLiteral("files"), files},
        {QStringLiteral("summary"),
         QJsonObject{{QStringLiteral("files"), int(report.files.size())},
                     {QStringLiteral("correct"), correct},
                     {QStringLiteral("wrong"), int(report.files.size()) - correct - unread - notAlgorithm},
                     {QStringLiteral("not_algorithm"), notAlgorithm},
                     {QStringLiteral("unreadable"), unread}}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
