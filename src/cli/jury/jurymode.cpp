#include "cli/jury/jurymode.h"

#include "cli/jury/filehash.h"
#include "cli/jury/paralleljobs.h"
#include "cli/jury/report/jurypicture.h"
#include "cli/jury/report/juryreport.h"
#include "cli/jury/report/juryreportfile.h"
#include "cli/jury/report/juryreportformats.h"
#include "cli/jury/report/juryreportstream.h"
#include "cli/jury/report/jurytable.h"
#include "cli/run/algorithmfiles.h"
#include "cli/run/checkermessage.h"
#include "cli/run/checkertask.h"
#include "cli/run/output/picturefile.h"
#include "cli/run/output/protectedfiles.h"
#include "common/regularfile.h"
#include "common/systemfilename.h"
#include "editor/algorithmfile.h"
#include "editor/algorithmstatistics.h"
#include "judge/passrunner.h"
#include "judge/referencealgorithm.h"
#include "judge/referencecheck.h"
#include "judge/testworld.h"
#include "judge/verdictrule.h"
#include "tasks/setup/taskfolder.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
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
JuryFileResult judgeFile(const PassRunner &runner, const QString &file, const QList<TestPass> &reference,
                         int timeLimitSeconds, bool detailed)
{
    JuryFileResult result;
    result.file = file;
    // The hash is of the very bytes that are judged; of a file that cannot be judged (one too
    // large), of what is on disk.
    const AlgorithmFileResult read = readAlgorithmFile(file);
    if (!read.isOk()) {
        result.readError = read.error;
        result.sha256 = sha256OfFile(file);
        return result;
    }
    result.sha256 = sha256OfBytes(read.bytes);
    result.notAlgorithm = notAlgorithmReason(read.lines, read.bytes);
    if (!result.isAlgorithm())
        return result;
    result.counts = countAlgorithm(read.lines);
    // Processor time, so that the machine's load never decides a TL; the real time is only a
    // guard against a machine that stops.
    const std::chrono::seconds limit(timeLimitSeconds);
    result.passes = runner.runAll(read.lines, JudgeDeadline::forProcessorTime(limit, limit * 10));
    judgePasses(result.passes, runner.task(), reference);
    if (detailed)
        result.text = read.lines;
    return result;
}

// The SHA-256 of each file as judgeFile() gives it; empty for a file that cannot be read.
QStringList fileHashes(const QStringList &files)
{
    QStringList hashes;
    hashes.reserve(files.size());
    for (const QString &file : files) {
        const AlgorithmFileResult read = readAlgorithmFile(file);
        hashes.append(read.isOk() ? sha256OfBytes(read.bytes) : sha256OfFile(file));
    }
    return hashes;
}

QList<CellEdge> referenceEdges(const QList<TestPass> &reference, const TestPass &pass)
{
    const TestPass *model = matchingPass(reference, pass);
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

// The same for every path to a file (links, "..", a path named twice); by text alone for a
// file that is not there.
QString canonicalPathOf(const QString &file)
{
    const QString canonical = canonicalPath(file);
    return canonical.isEmpty() ? absolutePathOf(file) : canonical;
}

// The files to judge, each once: those named, then each --only file not among them. A file
// that two of the files named name ("w" and "w/../w") is judged by the first path; `otherPaths`
// keeps the others, by that path.
struct JudgedFiles
{
    QStringList files;
    QHash<QString, QStringList> otherPaths;
};

JudgedFiles judgedFiles(const CheckerOptions &options)
{
    JudgedFiles judged;
    QHash<QString, QString> firstByCanonical;
    for (qsizetype i = 0; i < options.files.size() + options.onlyFiles.size(); ++i) {
        const bool isNamed = i < options.files.size();
        const QString &file = isNamed ? options.files.at(i) : options.onlyFiles.at(i - options.files.size());
        const QString canonical = canonicalPathOf(file);
        if (const auto first = firstByCanonical.constFind(canonical); first != firstByCanonical.constEnd()) {
            if (isNamed && file != *first && !judged.otherPaths.value(*first).contains(file))
                judged.otherPaths[*first].append(file);
            continue;
        }
        firstByCanonical.insert(canonical, file);
        judged.files.append(file);
    }
    return judged;
}

bool isOnlyFile(const CheckerOptions &options, const QString &file)
{
    return std::any_of(options.onlyFiles.begin(), options.onlyFiles.end(),
                       [&](const QString &only) { return canonicalPathOf(file) == canonicalPathOf(only); });
}

// What a file's pictures are drawn and written with, made once for every file.
struct PictureJob
{
    const PassRunner &runner;
    const QList<TestPass> &reference;
    const CheckerOptions &options;
    const ProtectedFiles &inputs;
    bool forProtocol = false; // a report shows the pictures too
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
    for (const TestPass &pass : file.passes) {
        if (pass.isCorrect)
            continue;
        const bool writesDiff = first && !job.options.renderDiffPrefix.isEmpty();
        const bool kept = job.forProtocol && (first || everyFailure);
        first = false;
        if (!writesDiff && !kept)
            break;
        const World world = testField(task, TaskTest{pass.number, pass.fieldSize, pass.arrangement});
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

bool hasPictureReport(const CheckerOptions &options)
{
    return std::any_of(options.reportFiles.begin(), options.reportFiles.end(), [](const QString &file) {
        const std::unique_ptr<JuryReportWriter> writer = juryReportWriter(file);
        return writer && writer->showsPictures();
    });
}

// Every file the reports write: a CSV report writes its tests' file too.
QStringList writtenReportFiles(const QStringList &reportFiles)
{
    QStringList written;
    for (const QString &reportFile : reportFiles) {
        if (const std::unique_ptr<JuryReportWriter> writer = juryReportWriter(reportFile))
            written += writer->files(reportFile);
        else
            written.append(reportFile);
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

// The first bytes of a file, enough to tell a report of this program; only a regular file is read.
QByteArray fileStart(const QString &path)
{
    constexpr qint64 length = 4096;
    QFile file;
    qint64 size = 0;
    return openRegularFile(path, file, size).isEmpty() ? file.read(length) : QByteArray();
}

// A careless wildcard ("--report works/*.txt") makes a pupil's file the report, and one that is
// then not among those judged: a file that is there already is replaced only when it is a
// report of this program, and none is written into a judged folder under an algorithm file's
// name, where the next run would judge it as a pupil's. The message of the first report file
// refused, empty when there is none.
QString foreignReportFile(const QStringList &reportFiles, const QStringList &files)
{
    QSet<QString> judgedFolders;
    for (const QString &file : files)
        judgedFolders.insert(QFileInfo(file).absoluteDir().canonicalPath());
    for (const QString &reportFile : reportFiles) {
        const std::unique_ptr<JuryReportWriter> writer = juryReportWriter(reportFile);
        if (!writer)
            continue;
        for (const QString &file : writer->files(reportFile)) {
            const QFileInfo info(file);
            if (info.exists() && !info.isDir() && !writer->isOwnFile(fileStart(file)))
                return QStringLiteral("%1 уже есть, и это не отчёт shagaika-check; он не будет заменён")
                    .arg(nativePath(file));
            if (isAlgorithmFileName(info.fileName())
                && judgedFolders.contains(info.absoluteDir().canonicalPath()))
                return QStringLiteral(
                           "%1 лежит в проверяемой папке, и следующая проверка примет его за работу "
                           "участника; назовите отчёт иначе или запишите его в другую папку")
                    .arg(nativePath(file));
        }
    }
    return {};
}

// What judging needs, once the options, the task and the reference have passed every check.
struct JuryPlan
{
    QStringList files;
    ProtectedFiles inputs; // nothing written may replace these
    PassRunner runner;
    JuryReport report; // every file judged is added to it
    QStringList hashes;
    QList<QStringList> identical;
    QList<int> identicalGroups;
    QHash<QString, QStringList> otherPaths; // by a file's path judged, those of it not judged
    std::vector<std::unique_ptr<JuryReportStream>> streams;
};

// What judging found, besides the files the report keeps.
struct JuryOutcome
{
    int count = 0;
    int correctCount = 0;
    QStringList unreadMessages;
    QStringList pictureErrors;
    QList<QList<QByteArray>> pictures;
};

// Refuses report names that cannot be written, before anything is read.
bool checkReportNames(const CheckerOptions &options, QTextStream &err)
{
    for (const QString &reportFile : options.reportFiles) {
        if (juryReportFormat(reportFile).isEmpty()) {
            err << checkerMessage(QStringLiteral("--report: формат отчёта выбирается расширением "
                                                 ".txt, .csv, .json или .pdf, а не ")
                                  + QFileInfo(reportFile).suffix());
            return false;
        }
        if (!QFileInfo(reportFile).absoluteDir().exists()) {
            err << checkerMessage(QStringLiteral("--report: нет папки ")
                                  + nativePath(QFileInfo(reportFile).absolutePath()));
            return false;
        }
    }
    if (const QString clash = reportsClash(options.reportFiles); !clash.isEmpty()) {
        err << checkerMessage(QStringLiteral("--report: ") + clash);
        return false;
    }
    if (!options.renderDiffPrefix.isEmpty() && !QFileInfo(options.renderDiffPrefix).absoluteDir().exists()) {
        err << checkerMessage(QStringLiteral("--render-diff: нет папки ")
                              + nativePath(QFileInfo(options.renderDiffPrefix).absolutePath()));
        return false;
    }
    return true;
}

// Reads the reference, runs it on every test judged and keeps its passes in the report;
// false (and the reason on standard error) when it cannot be the jury's measure.
bool runReference(const CheckerOptions &options, const PassRunner &runner, JuryReport &report,
                  QTextStream &err)
{
    const ReferenceAlgorithm reference = readReferenceAlgorithm(options.referenceFile);
    if (!reference.isOk()) {
        err << checkerMessage(reference.error);
        return false;
    }
    report.referenceFile = options.referenceFile;
    report.referenceSha256 = sha256OfBytes(reference.bytes);
    report.referencePasses = checkReference(runner, reference.lines);
    for (const TestPass &pass : std::as_const(report.referencePasses)) {
        if (!pass.isCorrect) {
            err << checkerMessage(QStringLiteral("эталон ") + options.referenceFile
                                  + QStringLiteral(" не решает задачу: ")
                                  + referenceFailure(pass, runner.task()));
            return false;
        }
    }
    return true;
}

// Every check before the first file is judged, with the reports opened; nothing when one
// fails, its reason on standard error.
std::optional<JuryPlan> planJury(const CheckerOptions &options, const QList<UnreadFolder> &unreadFolders,
                                 QTextStream &err)
{
    if (!checkReportNames(options, err))
        return std::nullopt;

    // The task, read as "Начать" reads it; a fault is reported in the single run's words.
    if (!QFileInfo(options.taskFolder).isDir()) {
        err << checkerMessage(taskFolderNotFoundText(options.taskFolder));
        return std::nullopt;
    }
    const TaskFolder taskFolder(options.taskFolder);

    // Nothing written may replace what is being judged.
    ProtectedFiles inputs;
    inputs.add(taskFolder.taskFilePath());
    inputs.add(taskFolder.patternFilePath());
    inputs.add(options.referenceFile);
    const JudgedFiles judged = judgedFiles(options);
    const QStringList &files = judged.files;
    for (const QString &file : files)
        inputs.add(file);
    for (const QString &reportFile : writtenReportFiles(options.reportFiles)) {
        if (const QString input = inputs.replacedBy(reportFile); !input.isEmpty()) {
            err << checkerMessage(QStringLiteral("--report: ") + replacesInputMessage(reportFile, input));
            return std::nullopt;
        }
    }
    if (const QString foreign = foreignReportFile(options.reportFiles, files); !foreign.isEmpty()) {
        err << checkerMessage(QStringLiteral("--report: ") + foreign);
        return std::nullopt;
    }

    const TaskFileResult read = taskFolder.readTask();
    if (!read.isOk()) {
        err << checkerMessage(taskFileErrorText(options.taskFolder, *read.error));
        return std::nullopt;
    }
    PassRunner runner(read.task, options.limit);
    if (runner.sizes().isEmpty()) {
        err << checkerMessage(QStringLiteral("задача не предлагает ни одного размера поля"));
        return std::nullopt;
    }
    if (options.hasTest() && !runner.chooseTest(options.test)) {
        err << checkerMessage(testOutOfRangeText(options.test, int(runner.tests().size())));
        return std::nullopt;
    }

    JuryReport report;
    report.madeAt = QDateTime::currentDateTime();
    report.csvSeparator = options.csvSeparator;
    report.isPupilProtocol = !options.onlyFiles.isEmpty();
    report.task = read.task;
    report.taskFolder = options.taskFolder;
    report.taskFile = nativePath(taskFolder.taskFilePath());
    report.taskSha256 = sha256OfBytes(read.bytes);
    report.timeLimitSeconds = options.timeLimitSeconds;
    report.highlightLimit = runner.highlightLimit();
    report.unreadFolders = unreadFolders;

    if (!read.task.hasPointB && !options.hasReference()) {
        err << checkerMessage(
            QStringLiteral("в задаче на рисование (без точки Б) вердикт выносится сравнением с эталоном: "
                           "укажите --reference ФАЙЛ"));
        return std::nullopt;
    }
    if (options.hasReference() && !runReference(options, runner, report, err))
        return std::nullopt;

    if (options.hasTest())
        report.chosenTest = runner.tests().constFirst();

    // Files with the same bytes are marked in every report, from its first row on, so every
    // file is hashed before any is judged: reading is cheap beside the passes.
    const QStringList hashes = fileHashes(files);
    const QList<QStringList> identical = identicalFiles(files, hashes);
    const QList<int> groups = identicalGroups(hashes);

    // Every report is opened before the first file is judged, so that one that cannot be
    // written is known at once; CSV and JSON take each file's rows as soon as it and every
    // file before it are judged.
    std::vector<std::unique_ptr<JuryReportStream>> streams;
    for (const QString &reportFile : options.reportFiles) {
        streams.push_back(std::make_unique<JuryReportStream>(report, reportFile));
        if (const QString error = streams.back()->error(); !error.isEmpty()) {
            err << checkerMessage(error);
            return std::nullopt;
        }
    }
    return JuryPlan{files,     inputs, std::move(runner), std::move(report), hashes,
                    identical, groups, judged.otherPaths, std::move(streams)};
}

// Judges the files in parallel, each on a thread of its own. Each file's result is cut down
// to what the reports show, and its pictures drawn, as soon as its passes end, so that memory
// does not grow with the time the passes ran; the results are then taken in the files' order
// on this thread. The table and the PDF keep them: the table's columns are as wide as their
// widest cell, and every page of the protocol names the number of pages, which like the
// totals is known only once every file is judged.
JuryOutcome judgeFiles(JuryPlan &plan, const CheckerOptions &options, QTextStream &err)
{
    JuryReport &report = plan.report;
    const QStringList &files = plan.files;
    JuryOutcome outcome;
    const int count = int(files.size());
    outcome.count = count;
    std::vector<JuryFileResult> results(static_cast<size_t>(count));
    std::vector<QList<QByteArray>> pngs(static_cast<size_t>(count));
    std::vector<bool> isReady(static_cast<size_t>(count), false);
    std::mutex readyMutex;
    const QStringList stems = diffPictureStems(files);
    const bool drawsPictures = juryNeedsPictures(options);
    // A pupil's segments are kept only where a drawing is judged or a picture shows them.
    plan.runner.setTraceKept(drawsPictures || !report.task.hasPointB);
    const PictureJob pictureJob{plan.runner, report.referencePasses, options, plan.inputs,
                                hasPictureReport(options)};
    std::mutex pictureErrorsMutex;
    const QList<TestPass> &referencePasses = report.referencePasses;
    const bool showProgress = count >= progressFileCount && stderrIsTerminal();
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
            if (result.sha256 == plan.hashes.at(nextInOrder)) {
                result.identicalTo = plan.identical.at(nextInOrder);
                result.identicalGroup = plan.identicalGroups.at(nextInOrder);
            }
            result.otherPaths = plan.otherPaths.value(result.file);
            outcome.correctCount += result.isCorrect() ? 1 : 0;
            if (!result.isRead())
                outcome.unreadMessages.append(result.readError);
            // A pupil's own protocol shows only the files it names.
            if (!report.isPupilProtocol || isOnlyFile(options, result.file)) {
                for (const std::unique_ptr<JuryReportStream> &stream : plan.streams)
                    stream->append(result);
                report.files.append(std::move(result));
                outcome.pictures.append(std::move(pngs[size_t(nextInOrder)]));
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
                judgeFile(plan.runner, file, referencePasses, options.timeLimitSeconds, isOnly);
            QList<QByteArray> drawn;
            if (drawsPictures && (isOnly || !report.isPupilProtocol)) {
                const QString error = drawPictures(pictureJob, result, stems.at(index), isOnly, drawn);
                if (!error.isEmpty()) {
                    const std::lock_guard<std::mutex> lock(pictureErrorsMutex);
                    outcome.pictureErrors.append(error);
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
    return outcome;
}

// Writes the pictures' faults, commits every report and prints the table; false when a
// picture or a report could not be written.
bool writeReports(JuryPlan &plan, const JuryOutcome &outcome, QTextStream &out, QTextStream &err)
{
    bool written = outcome.pictureErrors.isEmpty();
    QStringList pictureErrors = outcome.pictureErrors;
    pictureErrors.sort();
    for (const QString &error : std::as_const(pictureErrors))
        err << checkerMessage(error);

    // Each report is committed on its own: one that fails keeps its old file and does not
    // take back the others.
    for (const std::unique_ptr<JuryReportStream> &stream : plan.streams) {
        const QString error = writeJuryReportFile(*stream, plan.report, outcome.pictures);
        if (!error.isEmpty()) {
            err << checkerMessage(error);
            written = false;
        }
    }

    // The report is on disk before the table is printed, so that a reader that stops
    // early (a pager, head) costs nothing.
    writeJuryTable(plan.report, out);
    out.flush();

    // A pupil's file that cannot be read is that pupil's verdict, not a fault of the run.
    for (const QString &message : outcome.unreadMessages)
        err << checkerMessage(message);
    return written;
}

int juryExitStatus(const JuryOutcome &outcome, bool written)
{
    if (!written)
        return CannotJudge;
    return outcome.correctCount == outcome.count ? AllCorrect : SomeWrong;
}

} // namespace

bool juryNeedsPictures(const CheckerOptions &options)
{
    return !options.renderDiffPrefix.isEmpty() || hasPictureReport(options);
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
    const QString head = prefix + QLatin1Char('-');
    QString tail = QLatin1Char('-') + QString::number(fieldSize);
    if (!arrangement.isEmpty()) {
        tail += QLatin1Char('-');
        for (int selector : arrangement)
            tail += QString::number(selector);
    }
    tail += QStringLiteral(".png");
    return head + fittedPictureStem(head, stem, tail) + tail;
}

int runJuryMode(const CheckerOptions &options, QTextStream &out, QTextStream &err,
                const QList<UnreadFolder> &unreadFolders)
{
    std::optional<JuryPlan> plan = planJury(options, unreadFolders, err);
    if (!plan)
        return CannotJudge;
    const JuryOutcome outcome = judgeFiles(*plan, options, err);
    const bool written = writeReports(*plan, outcome, out, err);
    return juryExitStatus(outcome, written);
}
