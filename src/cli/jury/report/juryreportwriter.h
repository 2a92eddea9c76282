#pragma once

#include "cli/jury/juryfileresult.h"
#include "cli/jury/report/juryreport.h"

#include <QByteArray>
#include <QHash>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

// One format of the jury's reports. A report is written as the run goes (JuryReportStream):
// each of its files gets its start as the run begins and its rows as each pupil's file is
// judged, and the report is made whole or ended once every file is. What a format does not
// write at some moment it leaves as this base does: nothing.
class JuryReportWriter
{
public:
    virtual ~JuryReportWriter() = default;

    // The files a report named `reportFile` is written into: that one, last, and any other
    // written beside it, first.
    virtual QStringList files(const QString &reportFile) const { return {reportFile}; }
    // Whether the report shows pictures of failing passes.
    virtual bool showsPictures() const { return false; }
    // Whether `start`, the first bytes of a file that is there already, begins one of the
    // files() of a report of this format as this program writes it, so that a new report may
    // replace it: a file of any other kind (a pupil's work named by mistake) never is.
    virtual bool isOwnFile(const QByteArray &start) const
    {
        Q_UNUSED(start)
        return false;
    }
    // The start of each file, in the order of files().
    virtual QList<QByteArray> head(const JuryReport &heading) const
    {
        Q_UNUSED(heading)
        return {};
    }
    // What each file takes for a judged pupil's file, numbered from 1 in the order judged.
    virtual QList<QByteArray> rows(const JuryReport &heading, const JuryFileResult &file,
                                   qsizetype number) const
    {
        Q_UNUSED(heading)
        Q_UNUSED(file)
        Q_UNUSED(number)
        return {};
    }
    // The end of the first file, once every pupil's file is judged, with each verdict's count.
    virtual QByteArray tail(const QHash<QString, int> &verdicts) const
    {
        Q_UNUSED(verdicts)
        return {};
    }
    // The report made whole at the end, written to `device`; `pictures` are PNG pictures per
    // pupil's file. Returns why the report could not be made, empty when it was.
    virtual QString writeWhole(const JuryReport &report, const QList<QList<QByteArray>> &pictures,
                               QIODevice &device) const
    {
        Q_UNUSED(report)
        Q_UNUSED(pictures)
        Q_UNUSED(device)
        return {};
    }
};
