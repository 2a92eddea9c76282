#include "cli/jury/report/juryreportformats.h"

#include "cli/jury/report/jurycsvwriter.h"
#include "cli/jury/report/juryjsonwriter.h"
#include "cli/jury/report/jurypdfwriter.h"
#include "cli/jury/report/jurytablewriter.h"

#include <QFileInfo>

namespace {

struct ReportFormat
{
    QLatin1String suffix;
    QLatin1String name;
    std::unique_ptr<JuryReportWriter> (*makeWriter)();
};

template<typename Writer>
std::unique_ptr<JuryReportWriter> make()
{
    return std::make_unique<Writer>();
}

const ReportFormat *formatOf(const QString &reportFile)
{
    static const ReportFormat formats[] = {
        {QLatin1String(""), QLatin1String("txt"), make<JuryTableWriter>},
        {QLatin1String("txt"), QLatin1String("txt"), make<JuryTableWriter>},
        {QLatin1String("csv"), QLatin1String("csv"), make<JuryCsvWriter>},
        {QLatin1String("json"), QLatin1String("json"), make<JuryJsonWriter>},
        {QLatin1String("pdf"), QLatin1String("pdf"), make<JuryPdfWriter>},
    };
    const QString suffix = QFileInfo(reportFile).suffix().toLower();
    for (const ReportFormat &format : formats) {
        if (suffix == format.suffix)
            return &format;
    }
    return nullptr;
}

} // namespace

QString juryReportFormat(const QString &reportFile)
{
    const ReportFormat *format = formatOf(reportFile);
    return format ? QString(format->name) : QString();
}

std::unique_ptr<JuryReportWriter> juryReportWriter(const QString &reportFile)
{
    const ReportFormat *format = formatOf(reportFile);
    return format ? format->makeWriter() : nullptr;
}
