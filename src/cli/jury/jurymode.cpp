#include "cli/jury/jurymode.h"

#include "cli/jury/filehash.h"
#include "cli/jury/juryjudge.h"
#include "cli/jury/juryrunner.h"
#include "cli/jury/paralleljobs.h"
#include "cli/jury/report/jurycsv.h"
#include "cli/jury/report/jurypicture.h"
#include "cli/jury/report/juryreport.h"
#include "cli/jury/report/juryreportfile.h"
#include "cli/jury/report/juryreportstream.h"
#include "cli/jury/report/jurytable.h"
#include "cli/run/checkertask.h"
#include "cli/run/output/picturefile.h"
#include "cli/run/output/protectedfiles.h"
#include "common/systemfilename.h"
#include "editor/algorithmfile.h"
#include "editor/algorithmstatistics.h"
#include "tasks/setup/taskfolder.h"

#include <QBuffer>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

namespace {

enum ExitStatus { AllCorrect = 0, SomeWrong = 1, CannotJudge = 2 };

// Progress is shown only to a person watching a terminal, and only when there is enough
// to wait for.
constexpr int progressFileCount = 8;

bool stderrIsTerminal()
{
    return isatty(fileno(stderr)) != 0;
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// With `detailed` (a pupil's own protocol) the text is kept too.
JuryFileResult judgeFile(const JuryRunner &runner, const QString &file, const QList<JuryPass> &reference,
                         int timeLimitSeconds, bool detailed)
{
    JuryFileResult result;
    result.file = file;
    // The hash is of the very bytes that are judged; a file that cannot be read has none.
    const AlgorithmFileResult read = readAlgorithmFile(file);
    if (!read.isOk()) {
        result.readError = read.error;
        return result;
    }
    result.sha256 = sha256OfBytes(read.bytes);
    result.notAlgorithm = notAlgorithmReason(read.lines, read.bytes);
    if (!result.isAlgorithm())
        return result;
    result.counts = countAlgorithm(read.lines);
    result.passes = runner.runAll(read.lines, QDeadlineTimer(std::chrono::seconds(timeLimitSeconds)));
    judgePasses(result.passes, runner.task(), reference);
    if (detailed)
        result.text = read.lines;
    return result;
}

// The SHA-256 of each file as it would be judged; empty for a file that cannot be read.
QStringList fileHashes(const QStringList &files)
{
    QStringList hashes;
    hashes.reserve(files.size());
    for (const QString &file : files) {
        const AlgorithmFileResult read = readAlgorithmFile(file);
        hashes.append(read.isOk() ? sha256OfBytes(read.bytes) : QString());
    }
    return hashes;
}

QList<CellEdge> referenceEdges(const QList<JuryPass> &reference, const JuryPass &pass)
{
    const JuryPass *model = matchingPass(reference, pass);
    return model ? drawnEdges(model->trace) : QList<CellEdge>{};
}

QString safeNamePart(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c) || keptFileNameByte(c) >= 0)
            c = QLatin1Char('_');
    }
    return text;
}

// The file's absolute path, by text alone: a name's kept bytes (systemfilename.h) stay as
// they are, where the file system's classes would replace them.
QString absolutePathOf(const QString &file)
{
    const QString path = QDir::fromNativeSeparators(file);
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::currentPath() + QLatin1Char('/') + path);
}

// The folders from the root down to the deepest one that holds every file.
QStringList commonFolder(const QList<QStringList> &paths)
{
    QStringList common = paths.value(0);
    if (!common.isEmpty())
        common.removeLast();
    for (const QStringList &parts : paths) {
        qsizetype same = 0;
        while (same < common.size() && same + 1 < parts.size() && common.at(same) == parts.at(same))
            ++same;
        common = common.mid(0, same);
    }
    return common;
}

// The files to judge: those named, then each --only file not among them.
QStringList judgedFiles(const CheckerOptions &options)
{
    QStringList files = options.files;
    for (const QString &only : options.onlyFiles) {
        const bool named = std::any_of(files.begin(), files.end(), [&](const QString &file) {
            return absolutePathOf(file) == absolutePathOf(only);
        });
        if (!named)
            files.append(only);
    }
    return files;
}

bool isOnlyFile(const CheckerOptions &options, const QString &file)
{
    return std::any_of(options.onlyFiles.begin(), options.onlyFiles.end(),
                       [&](const QString &only) { return absolutePathOf(file) == absolutePathOf(only); });
}

// What a file's pictures are drawn and written with, made once for every file.
struct PictureJob
{
    const JuryRunner &runner;
    const QList<JuryPass> &reference;
    const CheckerOptions &options;
    const ProtectedFiles &inputs;
    bool forProtocol = false; // the PDF wants the pictures too
};

QByteArray pngBytes(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Draws a file's pictures as soon as its passes end: the diff of its first failing pass is
// written for --render-diff, and the protocol keeps (as PNG) the picture of that pass, or
// with `everyFailure` (a pupil's own protocol) of every failing pass. Returns the message of
// a picture that was not written.
QString drawPictures(const PictureJob &job, const JuryFileResult &file, const QString &stem,
                     bool everyFailure, QList<QByteArray> &pngs)
{
    if (!file.isRead() || !file.firstFailure())
        return {};
    const TaskData &task = job.runner.task();
    DiffLegend legend;
    legend.hasReference = !job.reference.isEmpty();
    legend.hasPointB = task.hasPointB;
    // Without a reference, the protocol of a task with Б shows the field as the pass left it.
    const bool protocolShowsDiff = !(task.hasPointB && job.reference.isEmpty());
    bool first = true;
    QString error;
    for (const JuryPass &pass : file.passes) {
        if (pass.correct)
            continue;
        const bool writesDiff = first && !job.options.renderDiffPrefix.isEmpty();
        const bool kept = job.forProtocol && (first || everyFailure);
        first = false;
        if (!writesDiff && !kept)
            break;
        const World world = job.runner.passWorld(pass.fieldSize, pass.arrangement);
        QImage diff;
        if (writesDiff || (kept && protocolShowsDiff))
            diff = diffPicture(world, pass, referenceEdges(job.reference, pass), job.options.unit, legend);
        if (writesDiff) {
            const QString path =
                diffPicturePath(job.options.renderDiffPrefix, stem, pass.fieldSize, pass.arrangement);
            error = writePictureFile(diff, path, job.inputs);
        }
        if (kept)
            pngs.append(pngBytes(protocolShowsDiff ? diff : passPicture(world, pass, job.options.unit)));
    }
    return error;
}

bool hasPdfReport(const CheckerOptions &options)
{
    return std::any_of(options.reportFiles.begin(), options.reportFiles.end(),
                       [](const QString &file) { return juryReportFormat(file) == QLatin1String("pdf"); });
}

// Every file the reports write: a CSV report writes its tests' file too.
QStringList writtenReportFiles(const QStringList &reportFiles)
{
    QStringList written;
    for (const QString &reportFile : reportFiles) {
        written.append(reportFile);
        if (juryReportFormat(reportFile) == QLatin1String("csv"))
            written.append(juryTestsCsvPath(reportFile));
    }
    return written;
}

// Where a report would be written, whatever way it is named: its folder's canonical path and
// its name, or for a file that is there already (perhaps a link) the file's own.
QString writtenPath(const QString &file)
{
    const QFileInfo info(file);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteDir().canonicalPath() + QLatin1Char('/') + info.fileName()
                               : canonical;
}

// Two reports that would write the same file would leave only the one committed last; the
// message names them and that file, empty when every report has files of its own.
QString reportsClash(const QStringList &reportFiles)
{
    QHash<QString, QString> reportByPath;
    for (const QString &reportFile : reportFiles) {
        for (const QString &file : writtenReportFiles({reportFile})) {
            const QString path = writtenPath(file);
            if (const auto earlier = reportByPath.constFind(path); earlier != reportByPath.constEnd()) {
                if (*earlier == reportFile)
                    return QStringLiteral("отчёт %1 назван дважды").arg(nativePath(reportFile));
                return QStringLiteral("отчёты %1 и %2 записываются в один и тот же файл %3")
                    .arg(nativePath(*earlier), nativePath(reportFile), nativePath(file));
            }
            reportByPath.insert(path, reportFile);
        }
    }
    return {};
}

} // namespace

QString juryReportFormat(const QString &reportFile)
{
    const QString suffix = QFileInfo(reportFile).suffix().toLower();
    if (suffix.isEmpty() || suffix == QLatin1String("txt"))
        return QStringLiteral("txt");
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("json") || suffix == QLatin1String("pdf"))
        return suffix;
    return {};
}

bool juryNeedsPictures(const CheckerOptions &options)
{
    return !options.renderDiffPrefix.isEmpty() || hasPdfReport(options);
}

QStringList diffPictureStems(const QStringList &files)
{
    QList<QStringList> paths;
    for (const QString &file : files)
        paths.append(absolutePathOf(file).split(QLatin1Char('/')));
    const qsizetype shared = commonFolder(paths).size();
    QStringList stems;
    QSet<QString> taken;
    for (const QStringList &parts : std::as_const(paths)) {
        QString below = parts.mid(shared).join(QLatin1Char('/'));
        const qsizetype dot = below.lastIndexOf(QLatin1Char('.'));
        if (dot > below.lastIndexOf(QLatin1Char('/')) + 1)
            below.truncate(dot);
        const QString stem = safeNamePart(below);
        // A file system may not tell the case of letters apart.
        QString unique = stem;
        for (int n = 2; taken.contains(unique.toCaseFolded()); ++n)
            unique = QStringLiteral("%1_%2").arg(stem).arg(n);
        taken.insert(unique.toCaseFolded());
        stems.append(unique);
    }
    return stems;
}

QString diffPicturePath(const QString &prefix, const QString &stem, int fieldSize,
                        const QList<int> &arrangement)
{
    QString name = QStringLiteral("%1-%2-%3").arg(prefix, stem, QString::number(fieldSize));
    if (!arrangement.isEmpty()) {
        name += QLatin1Char('-');
        for (int selector : arrangement)
            name += QString::number(selector);
    }
    return name + QStringLiteral(".png");
}

int runJuryMode(const CheckerOptions &options, QTextStream &out, QTextStream &err)
{
    for (const QString &reportFile : options.reportFiles) {
        if (juryReportFormat(reportFile).isEmpty()) {
            err << "shagaika-check: --report: формат отчёта выбирается расширением "
                   ".txt, .csv, .json или .pdf, а не "
                << QFileInfo(reportFile).suffix() << "\n";
            return CannotJudge;
        }
        if (!QFileInfo(reportFile).absoluteDir().exists()) {
            err << "shagaika-check: --report: нет папки " << nativePath(QFileInfo(reportFile).absolutePath())
                << "\n";
            return CannotJudge;
        }
    }
    if (const QString clash = reportsClash(options.reportFiles); !clash.isEmpty()) {
        err << "shagaika-check: --report: " << clash << "\n";
        return CannotJudge;
    }
    if (!options.renderDiffPrefix.isEmpty() && !QFileInfo(options.renderDiffPrefix).absoluteDir().exists()) {
        err << "shagaika-check: --render-diff: нет папки "
            << nativePath(QFileInfo(options.renderDiffPrefix).absolutePath()) << "\n";
        return CannotJudge;
    }

    // The task, read as "Начать" reads it; a fault is reported in the single run's words.
    if (!QFileInfo(options.taskFolder).isDir()) {
        err << "shagaika-check: " << taskFolderNotFoundText(options.taskFolder) << "\n";
        return CannotJudge;
    }
    const TaskFolder taskFolder(options.taskFolder);

    // Nothing written may replace what is being judged.
    ProtectedFiles inputs;
    inputs.add(taskFolder.taskFilePath());
    inputs.add(taskFolder.patternFilePath());
    inputs.add(options.referenceFile);
    const QStringList files = judgedFiles(options);
    for (const QString &file : files)
        inputs.add(file);
    for (const QString &reportFile : writtenReportFiles(options.reportFiles)) {
        if (const QString input = inputs.replacedBy(reportFile); !input.isEmpty()) {
            err << "shagaika-check: --report: " << replacesInputMessage(reportFile, input) << "\n";
            return CannotJudge;
        }
    }

    const TaskFileResult read = taskFolder.readTask();
    if (!read.isOk()) {
        err << "shagaika-check: " << taskFileErrorText(options.taskFolder, *read.error) << "\n";
        return CannotJudge;
    }
    JuryRunner runner(read.task, options.limit);
    if (runner.sizes().isEmpty()) {
        err << "shagaika-check: задача не предлагает ни одного размера поля\n";
        return CannotJudge;
    }
    if (options.hasTest() && !runner.chooseTest(options.test)) {
        err << "shagaika-check: " << testOutOfRangeText(options.test, int(runner.tests().size())) << "\n";
        return CannotJudge;
    }

    JuryReport report;
    report.madeAt = QDateTime::currentDateTime();
    report.csvSeparator = options.csvSeparator;
    report.isPupilProtocol = !options.onlyFiles.isEmpty();
    report.task = read.task;
    report.taskFile = nativePath(taskFolder.taskFilePath());
    report.taskSha256 = sha256OfBytes(read.bytes);
    report.timeLimitSeconds = options.timeLimitSeconds;
    report.highlightLimit = runner.highlightLimit();

    if (!read.task.hasPointB && !options.hasReference()) {
        err << "shagaika-check: в задаче на рисование (без точки Б) вердикт выносится сравнением с эталоном: "
               "укажите --reference ФАЙЛ\n";
        return CannotJudge;
    }
    if (options.hasReference()) {
        const AlgorithmFileResult reference = readAlgorithmFile(options.referenceFile);
        if (!reference.isOk()) {
            err << "shagaika-check: " << reference.error << "\n";
            return CannotJudge;
        }
        // A reference that is no algorithm would run to its end drawing nothing, and every
        // pupil would be judged against that.
        if (const QString reason = notAlgorithmReason(reference.lines, reference.bytes); !reason.isEmpty()) {
            err << "shagaika-check: эталон " << options.referenceFile << " — не алгоритм: " << reason << "\n";
            return CannotJudge;
        }
        report.referenceFile = options.referenceFile;
        report.referenceSha256 = sha256OfBytes(reference.bytes);
        report.referencePasses = runner.runAll(reference.lines);
        const QString failure = referenceFailure(report.referencePasses, read.task);
        if (!failure.isEmpty()) {
            err << "shagaika-check: эталон " << options.referenceFile << " не решает задачу: " << failure
                << "\n";
            return CannotJudge;
        }
    }

    if (options.hasTest())
        report.chosenTest = runner.tests().constFirst();

    // Files with the same bytes are marked in every report, from its first row on, so every
    // file is hashed before any is judged: reading is cheap beside the passes.
    const QStringList hashes = fileHashes(files);
    const QList<QStringList> identical = identicalFiles(files, hashes);

    // Every report is opened before the first file is judged, so that one that cannot be
    // written is known at once; CSV and JSON take each file's rows as soon as it and every
    // file before it are judged.
    std::vector<std::unique_ptr<JuryReportStream>> streams;
    for (const QString &reportFile : options.reportFiles) {
        streams.push_back(std::make_unique<JuryReportStream>(report, reportFile));
        if (const QString error = streams.back()->error(); !error.isEmpty()) {
            err << "shagaika-check: " << error << "\n";
            return CannotJudge;
        }
    }

    // Files in parallel, each on a thread of its own. Each file's result is cut down to what
    // the reports show, and its pictures drawn, as soon as its passes end, so that memory
    // does not grow with the time the passes ran; the results are then taken in the files'
    // order on this thread. The table and the PDF keep them: the table's columns are as wide
    // as their widest cell, and every page of the protocol names the number of pages, which
    // like the totals is known only once every file is judged.
    const int count = int(files.size());
    std::vector<JuryFileResult> results(static_cast<size_t>(count));
    std::vector<QList<QByteArray>> pngs(static_cast<size_t>(count));
    std::vector<bool> isReady(static_cast<size_t>(count), false);
    std::mutex readyMutex;
    const QStringList stems = diffPictureStems(files);
    const bool drawsPictures = juryNeedsPictures(options);
    const PictureJob pictureJob{runner, report.referencePasses, options, inputs, hasPdfReport(options)};
    QStringList pictureErrors;
    std::mutex pictureErrorsMutex;
    const QList<JuryPass> &referencePasses = report.referencePasses;
    const bool showProgress = count >= progressFileCount && stderrIsTerminal();
    int correctCount = 0;
    QStringList unreadMessages;
    QList<QList<QByteArray>> pictures;
    int nextInOrder = 0;
    const auto takeInOrder = [&] {
        for (;; ++nextInOrder) {
            {
                const std::lock_guard<std::mutex> lock(readyMutex);
                if (nextInOrder >= count || !isReady[size_t(nextInOrder)])
                    return;
            }
            JuryFileResult result = std::move(results[size_t(nextInOrder)]);
            // A file changed since it was hashed is alike with none.
            if (result.sha256 == hashes.at(nextInOrder))
                result.identicalTo = identical.at(nextInOrder);
            correctCount += result.isCorrect() ? 1 : 0;
            if (!result.isRead())
                unreadMessages.append(result.readError);
            // A pupil's own protocol shows only the files it names.
            if (!report.isPupilProtocol || isOnlyFile(options, result.file)) {
                for (const std::unique_ptr<JuryReportStream> &stream : streams)
                    stream->append(result);
                report.files.append(std::move(result));
                pictures.append(std::move(pngs[size_t(nextInOrder)]));
            }
            pngs[size_t(nextInOrder)] = {};
        }
    };
    runParallelJobs(
        count, QThread::idealThreadCount(),
        [&](int index) {
            const QString &file = files.at(index);
            const bool isOnly = isOnlyFile(options, file);
            JuryFileResult result =
                judgeFile(runner, file, referencePasses, options.timeLimitSeconds, isOnly);
            QList<QByteArray> drawn;
            if (drawsPictures && (isOnly || !report.isPupilProtocol)) {
                const QString error = drawPictures(pictureJob, result, stems.at(index), isOnly, drawn);
                if (!error.isEmpty()) {
                    const std::lock_guard<std::mutex> lock(pictureErrorsMutex);
                    pictureErrors.append(error);
                }
            }
            result.dropTraces();
            const std::lock_guard<std::mutex> lock(readyMutex);
            results[size_t(index)] = std::move(result);
            pngs[size_t(index)] = std::move(drawn);
            isReady[size_t(index)] = true;
        },
        [&](int finished) {
            takeInOrder();
            if (!showProgress)
                return;
            err << "\rпроверено " << finished << " из " << count << (finished == count ? "\n" : "");
            err.flush();
        });
    takeInOrder();
    results.clear();
    pngs.clear();

    bool written = pictureErrors.isEmpty();
    pictureErrors.sort();
    for (const QString &error : std::as_const(pictureErrors))
        err << "shagaika-check: " << error << "\n";

    // Each report is committed on its own: one that fails keeps its old file and does not
    // take back the others.
    for (const std::unique_ptr<JuryReportStream> &stream : streams) {
        const QString error = writeJuryReportFile(*stream, report, pictures);
        if (!error.isEmpty()) {
            err << "shagaika-check: " << error << "\n";
            written = false;
        }
    }

    // The report is on disk before the table is printed, so that a reader that stops
    // early (a pager, head) costs nothing.
    writeJuryTable(report, out);
    out.flush();

    // A pupil's file that cannot be read is that pupil's verdict, not a fault of the run.
    for (const QString &message : unreadMessages)
        err << "shagaika-check: " << message << "\n";
    if (!written)
        return CannotJudge;
    return correctCount == count ? AllCorrect : SomeWrong;
}
