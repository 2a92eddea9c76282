#pragma once

#include "cli/jury/report/juryreport.h"
#include "cli/jury/report/juryreportwriter.h"
#include "common/filewritefault.h"

#include <QHash>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include <memory>
#include <vector>

// The jury's report files, written as they are made: the CSV and JSON reports take each
// pupil's file as it is judged, so that no report waits in memory for the last file, and the
// text table and the PDF protocol are written as they are made. The files are opened at the start beside the old
// ones and take their names only at commit(), once every byte has reached the disk: a run that
// fails or stops half-way replaces no old report. A CSV report is two files, the tests'
// x-tests.csv and the pupils' x.csv.
class JuryReportStream
{
public:
    // `heading` gives everything but the files; its `files` are not read. `fault` makes the
    // tests' file (the only one for JSON) fail on purpose, as writeFileAtomically does.
    JuryReportStream(const JuryReport &heading, const QString &path,
                     FileWriteFault fault = FileWriteFault::None);
    ~JuryReportStream();
    JuryReportStream(const JuryReportStream &) = delete;
    JuryReportStream &operator=(const JuryReportStream &) = delete;

    // The report's path, as given.
    const QString &path() const { return m_path; }
    // The writer of the report's format.
    const JuryReportWriter &writer() const;

    // The next file of a CSV or JSON report, numbered from 1 in the order appended.
    void append(const JuryFileResult &file);
    // Where a text table or a PDF protocol is written; what it takes goes to the report file.
    QIODevice &device();
    // Ends the reports and gives them their names; the message naming the file and the
    // reason of the first failure (then no old report is replaced), empty on success.
    QString commit();
    // The first failure so far, as commit() would name it; empty while all is well.
    QString error() const;

private:
    struct Target
    {
        QString path;
        std::unique_ptr<QSaveFile> file;
        QString reason;          // why it failed; empty while it has not
        bool hadOldFile = false; // a failure leaves it as it was
    };

    class Device;

    void write(Target &target, const QByteArray &bytes);
    // Each part to the file of the same place among the targets.
    void writeEach(const QList<QByteArray> &parts);
    void cancel();

    JuryReport m_heading;
    QString m_path;
    std::unique_ptr<JuryReportWriter> m_writer;
    FileWriteFault m_fault;
    std::vector<Target> m_targets; // the first is the tests' file of a CSV report
    qsizetype m_count = 0;
    QHash<QString, int> m_verdicts;
    std::unique_ptr<Device> m_device;
};
