#include "cli/jury/jurymode.h"

#include "cli/jury/filehash.h"
#include "cli/jury/juryjudge.h"
#include "cli/jury/juryrunner.h"
#include "cli/jury/paralleljobs.h"
#include "cli/jury/report/jurycsv.h"
#include "cli/jury/report/jurypicture.h"
#include "cli/jury/report/juryreport.h"
#include "cli/jury/report/juryreportfile.h"
#include "cli/jury/report/jurytable.h"
#include "cli/run/checkertask.h"
#include "cli/run/output/picturefile.h"
#include "cli/run/output/protectedfiles.h"
#include "common/textencoding.h"
#include "editor/algorithmfile.h"
#include "editor/algorithmstatistics.h"
#include "editor/linekind.h"
#include "tasks/setup/taskfolder.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
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

QString encodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1251: return QStringLiteral("Windows-1251");
    case TextEncoding::Utf8: return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithWrongMark: return QStringLiteral("UTF-8 с ошибочной меткой");
    case TextEncoding::Utf16LittleEndian: return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16BigEndian: break;
    }
    return QStringLiteral("UTF-16 BE");
}

// A text without a "НАЧ" line is not an algorithm: an empty file, a picture, a text in an
// encoding the reading rule does not guess.
QString notAlgorithmReason(const QStringList &lines, const QByteArray &bytes)
{
    for (const QString &line : lines) {
        if (lineKind(line) == LineKind::Begin)
            return {};
    }
    if (bytes.isEmpty())
        return QStringLiteral("пустой файл");
    return QStringLiteral("нет строки «НАЧ» (текст прочитан в кодировке %1)")
        .arg(encodingName(detectTextEncoding(bytes)));
}

// With `detailed` (a pupil's own protocol) the text and every pass's trace are kept.
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
    else
        result.dropTraces();
    return result;
}

QList<CellEdge> referenceEdges(const JuryReport &report, const JuryPass &pass)
{
    const JuryPass *model = report.referencePass(pass);
    return model ? drawnEdges(model->trace) : QList<CellEdge>{};
}

// The files to judge: those named, then each --only file not among them.
QStringList judgedFiles(const CheckerOptions &options)
{
    QStringList files = options.files;
    for (const QString &only : options.onlyFiles) {
        const bool named = std::any_of(files.begin(), files.end(), [&](const QString &file) {
            return QFileInfo(file).absoluteFilePath() == QFileInfo(only).absoluteFilePath();
        });
        if (!named)
            files.append(only);
    }
    return files;
}

bool isOnlyFile(const CheckerOptions &options, const QString &file)
{
    return std::any_of(options.onlyFiles.begin(), options.onlyFiles.end(), [&](const QString &only) {
        return QFileInfo(file).absoluteFilePath() == QFileInfo(only).absoluteFilePath();
    });
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
    return !options.renderDiffPrefix.isEmpty()
        || (!options.reportFile.isEmpty() && juryReportFormat(options.reportFile) == QLatin1String("pdf"));
}

QString diffPicturePath(const QString &prefix, const QString &file, int fieldSize,
                        const QList<int> &arrangement)
{
    QString name = QStringLiteral("%1-%2-%3")
                       .arg(prefix, QFileInfo(file).completeBaseName(), QString::number(fieldSize));
    if (!arrangement.isEmpty()) {
        name += QLatin1Char('-');
        for (int selector : arrangement)
            name += QString::number(selector);
    }
    return name + QStringLiteral(".png");
}

int runJuryMode(const CheckerOptions &options, QTextStream &out, QTextStream &err)
{
    const QString format =
        options.reportFile.isEmpty() ? QStringLiteral("txt") : juryReportFormat(options.reportFile);
    if (format.isEmpty()) {
        err << "shagaika-check: --report: формат отчёта выбирается расширением .txt, .csv, .json или .pdf, а "
               "не "
            << QFileInfo(options.reportFile).suffix() << "\n";
        return CannotJudge;
    }
    if (!options.reportFile.isEmpty() && !QFileInfo(options.reportFile).absoluteDir().exists()) {
        err << "shagaika-check: --report: нет папки "
            << nativePath(QFileInfo(options.reportFile).absolutePath()) << "\n";
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
    QStringList reportFiles{options.reportFile};
    if (format == QLatin1String("csv"))
        reportFiles.append(juryTestsCsvPath(options.reportFile));
    for (const QString &reportFile : reportFiles) {
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
    const JuryRunner runner(read.task);
    if (runner.sizes().isEmpty()) {
        err << "shagaika-check: задача не предлагает ни одного размера поля\n";
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

    // Files in parallel, each on a thread of its own; the results keep the files' order.
    const int count = int(files.size());
    std::vector<JuryFileResult> results(static_cast<size_t>(count));
    const QList<JuryPass> &referencePasses = report.referencePasses;
    const bool showProgress = count >= progressFileCount && stderrIsTerminal();
    runParallelJobs(
        count, QThread::idealThreadCount(),
        [&](int index) {
            const QString &file = files.at(index);
            results[size_t(index)] =
                judgeFile(runner, file, referencePasses, options.timeLimitSeconds, isOnlyFile(options, file));
        },
        [&](int finished) {
            if (!showProgress)
                return;
            err << "\rпроверено " << finished << " из " << count << (finished == count ? "\n" : "");
            err.flush();
        });

    QList<JuryFileResult> judged(results.begin(), results.end());
    markIdenticalFiles(judged);
    const int correctCount = int(std::count_if(judged.begin(), judged.end(),
                                               [](const JuryFileResult &file) { return file.isCorrect(); }));
    QStringList unreadMessages;
    for (const JuryFileResult &file : judged) {
        if (!file.isRead())
            unreadMessages.append(file.readError);
    }
    if (report.isPupilProtocol) {
        judged.removeIf([&](const JuryFileResult &file) { return !isOnlyFile(options, file.file); });
    }
    report.files = judged;
    const int reported = int(report.files.size());

    bool written = true;
    QList<QList<QImage>> pictures(reported);
    const auto picture = [&](const World &world, const JuryPass &pass, const QImage &diff) {
        return read.task.hasPointB && !report.hasReference() ? passPicture(world, pass, options.unit) : diff;
    };
    if (report.isPupilProtocol && juryNeedsPictures(options)) {
        for (int i = 0; i < reported; ++i) {
            for (const JuryPass &pass : report.files.at(i).passes) {
                if (pass.correct)
                    continue;
                const World world = runner.passWorld(pass.fieldSize, pass.arrangement);
                pictures[i].append(picture(
                    world, pass, diffPicture(world, pass, referenceEdges(report, pass), options.unit)));
            }
        }
    }
    if (juryNeedsPictures(options)) {
        for (int i = 0; i < reported; ++i) {
            const JuryFileResult &file = report.files.at(i);
            const JuryPass *failure = file.firstFailure();
            if (!file.isRead() || !failure)
                continue;
            const World world = runner.passWorld(failure->fieldSize, failure->arrangement);
            const QImage diff = diffPicture(world, *failure, referenceEdges(report, *failure), options.unit);
            if (!options.renderDiffPrefix.isEmpty()) {
                const QString path = diffPicturePath(options.renderDiffPrefix, file.file, failure->fieldSize,
                                                     failure->arrangement);
                const QString error = writePictureFile(diff, path, inputs);
                if (!error.isEmpty()) {
                    err << "shagaika-check: " << error << "\n";
                    written = false;
                }
            }
            if (!report.isPupilProtocol)
                pictures[i].append(picture(world, *failure, diff));
        }
    }

    const QStringList table = juryTable(report);
    if (!options.reportFile.isEmpty()) {
        const QString error = writeJuryReportFile(report, pictures, options.reportFile);
        if (!error.isEmpty()) {
            err << "shagaika-check: " << error << "\n";
            written = false;
        }
    }

    // The report is on disk before the table is printed, so that a reader that stops
    // early (a pager, head) costs nothing.
    for (const QString &line : table)
        out << line << "\n";
    out.flush();

    // A pupil's file that cannot be read is that pupil's verdict, not a fault of the run.
    for (const QString &message : unreadMessages)
        err << "shagaika-check: " << message << "\n";
    if (!written)
        return CannotJudge;
    return correctCount == count ? AllCorrect : SomeWrong;
}
