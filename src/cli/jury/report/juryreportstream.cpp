#include "cli/jury/report/juryreportstream.h"

#include "cli/jury/report/juryreportformats.h"
#include "cli/jury/report/jurytexts.h"
#include "common/systemerror.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

// Hands what a writer writes to the report's file, its failures kept as the stream keeps them.
class JuryReportStream::Device : public QIODevice
{
public:
    explicit Device(JuryReportStream &stream)
        : m_stream(stream)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        m_stream.write(m_stream.m_targets.front(), QByteArray(data, length));
        return length;
    }

private:
    JuryReportStream &m_stream;
};

JuryReportStream::JuryReportStream(const JuryReport &heading, const QString &path, FileWriteFault fault)
    : m_heading(heading)
    , m_path(path)
    , m_writer(juryReportWriter(path))
    , m_fault(fault)
{
    m_heading.files.clear();
    // A name of no format is refused before any report is opened; its file would stay empty.
    if (!m_writer)
        m_writer = std::make_unique<JuryReportWriter>();
    for (const QString &file : m_writer->files(path))
        m_targets.push_back({file, nullptr, {}});
    for (Target &target : m_targets) {
        target.hadOldFile = QFileInfo(target.path).isFile();
        target.file = std::make_unique<QSaveFile>(target.path);
        errno = 0;
        if (!target.file->open(QIODevice::WriteOnly)) {
            // Asking whether the path is a folder sets errno itself: the open's error is kept first.
            const int errorNumber = errno;
            target.reason = QFileInfo(target.path).isDir() ? systemErrorText(EISDIR)
                                                           : writeFailureText(errorNumber, *target.file);
        }
    }
    writeEach(m_writer->head(m_heading));
}

JuryReportStream::~JuryReportStream()
{
    cancel();
}

void JuryReportStream::append(const JuryFileResult &file)
{
    ++m_count;
    ++m_verdicts[verdictName(file)];
    writeEach(m_writer->rows(m_heading, file, m_count));
}

const JuryReportWriter &JuryReportStream::writer() const
{
    return *m_writer;
}

void JuryReportStream::writeEach(const QList<QByteArray> &parts)
{
    for (qsizetype i = 0; i < parts.size() && size_t(i) < m_targets.size(); ++i)
        write(m_targets[size_t(i)], parts.at(i));
}

QIODevice &JuryReportStream::device()
{
    if (!m_device)
        m_device = std::make_unique<Device>(*this);
    return *m_device;
}

void JuryReportStream::write(Target &target, const QByteArray &bytes)
{
    if (!target.reason.isEmpty())
        return;
    const bool isShort = m_fault == FileWriteFault::ShortWrite && &target == &m_targets.front();
    const QByteArray written = isShort ? bytes.left(bytes.size() / 2) : bytes;
    errno = 0;
    const qint64 count = target.file->write(written);
    if (count != bytes.size()) {
        const int errorNumber = errno;
        target.reason = count < 0 || errorNumber != 0 ? writeFailureText(errorNumber, *target.file)
                                                      : QStringLiteral("записана только часть файла");
    }
}

QString JuryReportStream::error() const
{
    for (const Target &target : m_targets) {
        if (!target.reason.isEmpty())
            return (target.hadOldFile
                        ? QStringLiteral("Не удаётся записать файл %1 (прежний файл не изменён): %2")
                        : QStringLiteral("Не удаётся записать файл %1: %2"))
                .arg(QDir::toNativeSeparators(target.path), target.reason);
    }
    return {};
}

QString JuryReportStream::commit()
{
    if (const QByteArray tail = m_writer->tail(m_verdicts); !tail.isEmpty())
        write(m_targets.front(), tail);
    // QSaveFile::commit() renames even when its buffer could not be flushed, so every file
    // is flushed and checked first, and none is renamed unless all are whole.
    for (Target &target : m_targets) {
        if (!target.reason.isEmpty())
            continue;
        errno = 0;
        const bool isFull = m_fault == FileWriteFault::NoSpaceAtFlush && &target == &m_targets.front();
        const bool flushed = isFull ? (errno = ENOSPC, false) : target.file->flush();
        if (!flushed || target.file->error() != QFileDevice::NoError)
            target.reason = writeFailureText(errno, *target.file);
    }
    if (m_fault == FileWriteFault::FailedRename && m_targets.front().reason.isEmpty())
        m_targets.front().reason = systemErrorText(EACCES);
    if (const QString failure = error(); !failure.isEmpty()) {
        cancel();
        return failure;
    }
    for (Target &target : m_targets) {
        errno = 0;
        if (!target.file->commit()) {
            target.reason = writeFailureText(errno, *target.file);
            break;
        }
        target.file.reset();
    }
    cancel();
    return error();
}

void JuryReportStream::cancel()
{
    for (Target &target : m_targets) {
        if (target.file) {
            target.file->cancelWriting();
            target.file.reset();
        }
    }
}
