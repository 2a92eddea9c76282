#include "cli/jury/report/juryjsonwriter.h"

#include "cli/jury/report/juryjson.h"

bool JuryJsonWriter::isOwnFile(const QByteArray &start) const
{
    return start.startsWith('{') && start.contains("\"program\": \"shagaika-check ");
}

QList<QByteArray> JuryJsonWriter::head(const JuryReport &heading) const
{
    return {juryJsonHead(heading)};
}

QList<QByteArray> JuryJsonWriter::rows(const JuryReport &heading, const JuryFileResult &file,
                                       qsizetype number) const
{
    return {juryJsonFile(heading, file, number == 1)};
}

QByteArray JuryJsonWriter::tail(const QHash<QString, int> &verdicts) const
{
    return juryJsonTail(verdicts);
}
