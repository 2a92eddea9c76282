#include "cli/jury/report/jurypdf.h"

#include "cli/jury/report/jurytexts.h"
#include "common/printablename.h"

#include <QHash>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include <cmath>

namespace {

// No ligatures: a file's name and the algorithm's text are printed letter by letter, as
// they are written, and read back so from the PDF.
QFont withoutLigatures(QFont font)
{
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont textFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return withoutLigatures(font);
}

QFont monoFont(qreal points)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(points);
    return withoutLigatures(font);
}

QFont hashFont()
{
    return monoFont(7.5);
}

// Words wrap at their ends, and a word too long for its column (a file's path) wherever it
// must, so that nothing is ever cut off.
QTextOption wrapping(Qt::Alignment alignment = Qt::AlignLeft)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Writes down the page from top to bottom and starts a new page when the next piece does
// not fit. Every page ends with its footer: the program, the time and "стр. N из M".
class ProtocolWriter
{
public:
    ProtocolWriter(QPdfWriter &writer, QPainter &painter, const QString &footer, int pageCount)
        : m_writer(writer)
        , m_painter(painter)
        , m_footer(footer)
        , m_pageCount(pageCount)
        , m_width(painter.viewport().width())
        , m_footerHeight(2 * QFontMetrics(textFont(8), painter.device()).height())
        , m_height(painter.viewport().height() - m_footerHeight)
    {
    }

    int width() const { return m_width; }
    int lineHeight(const QFont &font) const { return QFontMetrics(font, m_painter.device()).height(); }

    void paragraph(const QString &text, const QFont &font, int indent = 0)
    {
        m_painter.setFont(font);
        const int height = textHeight(text, m_width - indent);
        makeRoom(height);
        m_painter.drawText(QRectF(indent, m_y, m_width - indent, height), text, wrapping());
        m_y += height;
    }

    void gap(qreal lines = 0.5) { m_y += int(lineHeight(textFont(10)) * lines); }

    // The height of row() for these cells.
    int rowHeight(const QStringList &cells, const QList<qreal> &widths, const QFont &font) const
    {
        m_painter.setFont(font);
        const int pad = m_width / 200;
        int height = 0;
        for (qsizetype i = 0; i < cells.size(); ++i)
            height = qMax(height, textHeight(cells.at(i), int(m_width * widths.at(i)) - 2 * pad));
        return height + 2 * pad;
    }

    // Whether `height` still fits on this page.
    bool fits(int height) const { return m_y == 0 || m_y + height <= m_height; }

    // A row of cells, each wrapped in its column; the widths are fractions of the page.
    void row(const QStringList &cells, const QList<qreal> &widths, const QFont &font, bool ruled)
    {
        const int pad = m_width / 200;
        const int height = rowHeight(cells, widths, font);
        QList<QRect> boxes;
        int x = 0;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const int w = int(m_width * widths.at(i));
            boxes.append(QRect(x + pad, 0, w - 2 * pad, 0));
            x += w;
        }
        makeRoom(height);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            QRect box = boxes.at(i);
            box.moveTop(m_y + pad);
            box.setHeight(height - 2 * pad);
            m_painter.drawText(QRectF(box), cells.at(i), wrapping());
        }
        if (ruled) {
            m_painter.setPen(QPen(Qt::black, 0));
            m_painter.drawLine(0, m_y + height, m_width, m_y + height);
        }
        m_y += height;
    }

    int pictureHeight(const QImage &image, qreal widthFraction) const
    {
        const int width = qMin(int(m_width * widthFraction), m_width);
        return image.height() * width / qMax(1, image.width());
    }

    // Starts a new page unless `height` still fits on this one.
    void keepTogether(int height) { makeRoom(height); }

    void picture(const QImage &image, qreal widthFraction, int x = 0)
    {
        const int width = qMin(int(m_width * widthFraction), m_width);
        const int height = pictureHeight(image, widthFraction);
        makeRoom(height);
        m_painter.drawImage(QRect(x, m_y, width, height), image);
        m_y += height;
    }

    // Pictures side by side, each with its caption above it, `perRow` to a row.
    void pictureRows(const QList<QImage> &images, const QStringList &captions, int perRow)
    {
        const QFont font = textFont(8.5);
        const int spacing = m_width / 40;
        const int cell = (m_width - (perRow - 1) * spacing) / perRow;
        for (qsizetype first = 0; first < images.size(); first += perRow) {
            const qsizetype last = qMin(images.size(), first + perRow);
            m_painter.setFont(font);
            int captionHeight = 0;
            int imageHeight = 0;
            for (qsizetype i = first; i < last; ++i) {
                captionHeight = qMax(captionHeight, textHeight(captions.at(i), cell));
                imageHeight = qMax(imageHeight, images.at(i).height() * cell / qMax(1, images.at(i).width()));
            }
            makeRoom(captionHeight + imageHeight);
            for (qsizetype i = first; i < last; ++i) {
                const int x = int(i - first) * (cell + spacing);
                m_painter.drawText(QRectF(x, m_y, cell, captionHeight), captions.at(i), wrapping());
                const int height = images.at(i).height() * cell / qMax(1, images.at(i).width());
                m_painter.drawImage(QRect(x, m_y + captionHeight, cell, height), images.at(i));
            }
            m_y += captionHeight + imageHeight;
            gap();
        }
    }

    // The lines for the jury's signatures, kept together on one page.
    void signatures()
    {
        const QFont font = textFont(10);
        const QFont small = textFont(7);
        const int line = lineHeight(font);
        const QStringList roles{QStringLiteral("Председатель жюри"), QStringLiteral("Члены жюри"), QString(),
                                QString()};
        const int rowHeight = line * 2 + lineHeight(small);
        keepTogether(line * 5 + int(roles.size()) * rowHeight);
        gap(1.5);
        paragraph(QStringLiteral("Протокол проверен и подписан:"), font);
        const int signX = m_width * 30 / 100;
        const int signWidth = m_width * 30 / 100;
        const int nameX = signX + signWidth + m_width / 20;
        const int nameWidth = m_width - nameX;
        for (const QString &role : roles) {
            const int base = m_y + line * 2;
            m_painter.setFont(font);
            m_painter.drawText(QRectF(0, m_y + line, signX, line), role, wrapping());
            m_painter.setPen(QPen(Qt::black, 0));
            m_painter.drawLine(signX, base, signX + signWidth, base);
            m_painter.drawLine(nameX, base, nameX + nameWidth, base);
            m_painter.setFont(small);
            m_painter.drawText(QRectF(signX, base, signWidth, lineHeight(small)), QStringLiteral("подпись"),
                               wrapping(Qt::AlignHCenter));
            m_painter.drawText(QRectF(nameX, base, nameWidth, lineHeight(small)),
                               QStringLiteral("фамилия, инициалы"), wrapping(Qt::AlignHCenter));
            m_y += rowHeight;
        }
    }

    void rule()
    {
        m_painter.save();
        m_painter.setPen(QPen(Qt::gray, 0));
        m_painter.drawLine(0, m_y, m_width, m_y);
        m_painter.restore();
    }

    void newPage()
    {
        drawFooter();
        m_writer.newPage();
        ++m_page;
        m_y = 0;
    }

    // Ends the last page; returns how many pages there are.
    int finish()
    {
        drawFooter();
        return m_page;
    }

private:
    int textHeight(const QString &text, int width) const
    {
        return int(std::ceil(m_painter.boundingRect(QRectF(0, 0, width, 1e6), text, wrapping()).height()));
    }

    void makeRoom(int height)
    {
        if (m_y > 0 && m_y + height > m_height)
            newPage();
    }

    void drawFooter()
    {
        const QFont font = textFont(8);
        m_painter.setFont(font);
        const int top = m_height + m_footerHeight / 2;
        const QRectF box(0, top, m_width, m_footerHeight / 2);
        m_painter.setPen(QPen(Qt::black, 0));
        m_painter.drawLine(0, top - m_footerHeight / 8, m_width, top - m_footerHeight / 8);
        m_painter.drawText(box, m_footer, QTextOption(Qt::AlignLeft));
        const QString number = m_pageCount > 0 ? QStringLiteral("стр. %1 из %2").arg(m_page).arg(m_pageCount)
                                               : QStringLiteral("стр. %1").arg(m_page);
        m_painter.drawText(box, number, QTextOption(Qt::AlignRight));
    }

    QPdfWriter &m_writer;
    QPainter &m_painter;
    QString m_footer;
    int m_pageCount;
    int m_width;
    int m_footerHeight;
    int m_height;
    int m_y = 0;
    int m_page = 1;
};

QString madeText(const JuryReport &report)
{
    return report.madeAt.toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

// The pictures come as PNG and are unpacked one at a time, as a page shows them.
QImage pngPicture(const QByteArray &png)
{
    return png.isEmpty() ? QImage() : QImage::fromData(png, "PNG");
}

QString fileError(const JuryFileResult &file)
{
    return file.isRead() ? file.notAlgorithm : file.readError;
}

void taskLines(ProtocolWriter &page, const JuryReport &report)
{
    page.paragraph(QStringLiteral("Задача: %1").arg(printableName(report.taskFile)), textFont(10));
    page.paragraph(QStringLiteral("SHA-256 %1").arg(report.taskSha256), hashFont(), page.width() / 30);
    if (report.hasReference()) {
        page.paragraph(QStringLiteral("Эталон: %1").arg(printableName(report.referenceFile)), textFont(10));
        page.paragraph(QStringLiteral("SHA-256 %1").arg(report.referenceSha256), hashFont(),
                       page.width() / 30);
    }
}

QString ruleText(const JuryReport &report)
{
    return report.task.hasPointB
        ? QStringLiteral("Решение верно, когда на каждом размере поля и при каждом расположении "
                         "подвижных стенок исполнение доходит до конца и Шагайка стоит в точке Б.")
        : QStringLiteral("Решение верно, когда на каждом размере поля и при каждом расположении "
                         "подвижных стенок исполнение доходит до конца и ШАГ рисует те же отрезки, "
                         "что эталон (направление и повторы не важны).");
}

// "тесты 1–4, 9–12: авария в (2,6)": the failing tests grouped by what went wrong, in the
// order each failure first appears, so that 32 alike failures take one line, not 32.
QString testRanges(const QList<int> &numbers)
{
    QStringList ranges;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        qsizetype last = i;
        while (last + 1 < numbers.size() && numbers.at(last + 1) == numbers.at(last) + 1)
            ++last;
        ranges.append(last == i ? QString::number(numbers.at(i))
                                : QStringLiteral("%1–%2").arg(numbers.at(i)).arg(numbers.at(last)));
        i = last;
    }
    return (numbers.size() == 1 ? QStringLiteral("тест ") : QStringLiteral("тесты "))
        + ranges.join(QStringLiteral(", "));
}

QStringList failureGroups(const JuryFileResult &file, bool pointB)
{
    QStringList reasons;
    QList<QList<int>> tests;
    for (const TestPass &pass : file.passes) {
        if (pass.isCorrect)
            continue;
        QString detail = failureText(pass, pointB).section(QStringLiteral(": "), 1);
        if (detail.startsWith(QStringLiteral("ошибка: ")))
            detail = detail.mid(8); // the code's word says it already
        const QString reason = QStringLiteral("%1 %2: ").arg(passCode(pass), passCodeWord(pass)) + detail;
        qsizetype index = reasons.indexOf(reason);
        if (index < 0) {
            reasons.append(reason);
            tests.append(QList<int>());
            index = reasons.size() - 1;
        }
        tests[index].append(pass.number);
    }
    QStringList groups;
    for (qsizetype i = 0; i < reasons.size(); ++i)
        groups.append(QStringLiteral("%1: %2").arg(testRanges(tests.at(i)), reasons.at(i)));
    return groups;
}

void roundProtocol(ProtocolWriter &page, const JuryReport &report, const QList<QList<QByteArray>> &pictures)
{
    const bool pointB = report.task.hasPointB;
    page.paragraph(QStringLiteral("Протокол проверки"), textFont(16, true));
    page.paragraph(QStringLiteral("Составлен %1 программой %2").arg(madeText(report), juryProgramText()),
                   textFont(9));
    page.gap();
    taskLines(page, report);
    page.gap();
    page.paragraph(QStringLiteral("Условие"), textFont(11, true));
    for (const QString &line : report.task.statement)
        page.paragraph(line, textFont(10));
    page.gap();
    page.paragraph(ruleText(report), textFont(9));
    page.paragraph(juryLimitsText(report.highlightLimit, report.timeLimitSeconds), textFont(9));
    if (report.chosenTest)
        page.paragraph(chosenTestText(*report.chosenTest), textFont(10, true));
    page.gap();

    page.paragraph(QStringLiteral("Вердикты"), textFont(11, true));
    const QList<qreal> widths{0.05, 0.30, 0.19, 0.12, 0.34};
    const QStringList header{QStringLiteral("№"), QStringLiteral("Файл"), QStringLiteral("Вердикт"),
                             QStringLiteral("Пройдено тестов"), QStringLiteral("Первая ошибка")};
    page.row(header, widths, textFont(9, true), true);
    for (qsizetype i = 0; i < report.files.size(); ++i) {
        const JuryFileResult &file = report.files.at(i);
        const TestPass *failure = file.firstFailure();
        const QString reason = !file.isRead() || !file.isAlgorithm() ? fileError(file)
            : failure                                                ? failureText(*failure, pointB)
                                                                     : QString();
        QString name = printableName(file.file);
        if (!file.identicalTo.isEmpty())
            name += QStringLiteral("\n(") + identicalText(file.identicalTo) + QLatin1Char(')');
        if (!file.otherPaths.isEmpty())
            name += QStringLiteral("\n(") + otherPathsText(file.otherPaths) + QLatin1Char(')');
        const QStringList cells{
            QString::number(i + 1), name, verdictText(file),
            file.passes.isEmpty()
                ? QStringLiteral("—")
                : QStringLiteral("%1 из %2").arg(file.correctPassCount()).arg(file.passes.size()),
            reason};
        // The header stands again on top of every page the table goes on to.
        if (!page.fits(page.rowHeight(cells, widths, textFont(9)))) {
            page.newPage();
            page.row(header, widths, textFont(9, true), true);
        }
        page.row(cells, widths, textFont(9), true);
    }
    page.gap();
    page.paragraph(verdictTotalsText(report.files), textFont(10, true));
    for (const UnreadFolder &folder : report.unreadFolders)
        page.paragraph(unreadFolderText(folder), textFont(10, true));
    page.gap();

    page.paragraph(QStringLiteral("Контрольные суммы (SHA-256) проверенных файлов"), textFont(11, true));
    for (qsizetype i = 0; i < report.files.size(); ++i) {
        const JuryFileResult &file = report.files.at(i);
        QString hash = file.sha256.isEmpty() ? QStringLiteral("—") : file.sha256;
        if (!file.identicalTo.isEmpty())
            hash += QLatin1Char('\n') + identicalText(file.identicalTo);
        page.row({QString::number(i + 1), printableName(file.file), hash}, {0.05, 0.35, 0.60}, hashFont(),
                 false);
    }

    bool firstWrong = true;
    for (qsizetype i = 0; i < report.files.size(); ++i) {
        const JuryFileResult &file = report.files.at(i);
        if (file.isCorrect())
            continue;
        const QStringList groups = failureGroups(file, pointB);
        const QImage picture = pngPicture(pictures.value(i).value(0));
        if (firstWrong) {
            page.newPage();
            page.paragraph(QStringLiteral("Неверные решения"), textFont(14, true));
            page.gap();
            firstWrong = false;
        } else {
            page.gap();
            page.rule();
            page.gap();
        }
        // A file's heading, its failures and its picture stand on one page where they fit.
        page.keepTogether((int(groups.size()) + 7) * page.lineHeight(textFont(10))
                          + (picture.isNull() ? 0 : page.pictureHeight(picture, 0.4)));
        page.paragraph(QStringLiteral("%1. %2 — %3")
                           .arg(QString::number(i + 1), printableName(file.file), verdictText(file)),
                       textFont(11, true));
        if (!file.sha256.isEmpty())
            page.paragraph(QStringLiteral("SHA-256 %1").arg(file.sha256), hashFont());
        if (!file.identicalTo.isEmpty())
            page.paragraph(identicalText(file.identicalTo), textFont(9));
        page.gap();
        if (!file.isRead() || !file.isAlgorithm()) {
            page.paragraph(fileError(file), textFont(10));
            continue;
        }
        for (const QString &group : groups)
            page.paragraph(QStringLiteral("• ") + group, textFont(9));
        const TestPass *failure = file.firstFailure();
        if (failure && !picture.isNull()) {
            // The caption stays with its picture.
            page.keepTogether(page.pictureHeight(picture, 0.4) + 3 * page.lineHeight(textFont(10)));
            page.gap();
            QString outcome = outcomeText(*failure);
            if (outcome.endsWith(QLatin1Char('.')))
                outcome.chop(1);
            page.paragraph(QStringLiteral("Первый неверный тест (%1): %2, конец %3")
                               .arg(testTitle(*failure), outcome, executorText(failure->executor)),
                           textFont(9));
            page.picture(picture, 0.4);
        }
    }
    page.signatures();
}

// "← CR 1, TL 5": the tests that stopped on each line.
QHash<int, QStringList> stopMarks(const JuryFileResult &file)
{
    QHash<int, QStringList> marks;
    for (const TestPass &pass : file.passes) {
        if (const int line = stopLineNumber(pass); line > 0)
            marks[line].append(QStringLiteral("%1 %2").arg(passCode(pass), QString::number(pass.number)));
    }
    return marks;
}

void pupilProtocol(ProtocolWriter &page, const JuryReport &report, qsizetype index,
                   const QList<QByteArray> &pngs)
{
    const JuryFileResult &file = report.files.at(index);
    const bool pointB = report.task.hasPointB;
    page.paragraph(QStringLiteral("Протокол проверки решения"), textFont(16, true));
    page.paragraph(QStringLiteral("Составлен %1 программой %2").arg(madeText(report), juryProgramText()),
                   textFont(9));
    page.gap();
    page.paragraph(QStringLiteral("Файл: %1").arg(printableName(file.file)), textFont(12, true));
    page.paragraph(QStringLiteral("Вердикт: %1").arg(verdictText(file)), textFont(12, true));
    if (!file.sha256.isEmpty())
        page.paragraph(QStringLiteral("SHA-256 %1").arg(file.sha256), hashFont(), page.width() / 30);
    if (!file.identicalTo.isEmpty())
        page.paragraph(identicalText(file.identicalTo), textFont(10));
    if (!file.otherPaths.isEmpty())
        page.paragraph(otherPathsText(file.otherPaths), textFont(10));
    page.gap();
    taskLines(page, report);
    page.paragraph(ruleText(report), textFont(9));
    page.paragraph(juryLimitsText(report.highlightLimit, report.timeLimitSeconds), textFont(9));
    if (report.chosenTest)
        page.paragraph(chosenTestText(*report.chosenTest), textFont(10, true));
    page.gap();
    if (!file.isRead() || !file.isAlgorithm()) {
        page.paragraph(fileError(file), textFont(10));
        page.signatures();
        return;
    }

    page.paragraph(QStringLiteral("Статистика: ") + statisticsText(file.counts), textFont(10));
    page.paragraph(
        QStringLiteral("Пройдено тестов: %1 из %2").arg(file.correctPassCount()).arg(file.passes.size()),
        textFont(10));
    page.gap();

    page.paragraph(QStringLiteral("Тесты"), textFont(11, true));
    const QList<qreal> widths{0.06, 0.06, 0.08, 0.22, 0.25, 0.08, 0.11, 0.14};
    const QStringList header{QStringLiteral("Тест"),   QStringLiteral("Поле"),
                             QStringLiteral("Стенки"), QStringLiteral("Вердикт"),
                             QStringLiteral("Исход"),  QStringLiteral("Строка"),
                             QStringLiteral("Конец"),  QStringLiteral("Выполнено строк")};
    page.row(header, widths, textFont(8.5, true), true);
    for (const TestPass &pass : file.passes) {
        const int line = stopLineNumber(pass);
        QString outcome = outcomeText(pass);
        if (!pass.isCorrect && pass.end == RunEnd::Complete)
            outcome = failureText(pass, pointB).section(QStringLiteral(": "), 1);
        const QStringList cells{QString::number(pass.number),
                                QString::number(pass.fieldSize),
                                arrangementText(pass.arrangement),
                                passCode(pass) + QStringLiteral(" — ") + passCodeWord(pass),
                                outcome,
                                line > 0 ? QString::number(line) : QStringLiteral("—"),
                                executorText(pass.executor),
                                QString::number(pass.lines)};
        if (!page.fits(page.rowHeight(cells, widths, textFont(8.5)))) {
            page.newPage();
            page.row(header, widths, textFont(8.5, true), true);
        }
        page.row(cells, widths, textFont(8.5), true);
        if (const QString replay = replayCommand(report.taskFolder, file.file, pass); !replay.isEmpty())
            page.paragraph(QStringLiteral("Повторить тест: ") + replay, monoFont(8));
    }
    page.gap();

    page.paragraph(QStringLiteral("Текст алгоритма"), textFont(11, true));
    const QHash<int, QStringList> marks = stopMarks(file);
    const int digits = int(QString::number(file.text.size()).size());
    const QFont code = monoFont(8.5);
    constexpr qsizetype shownMarks = 6;
    for (qsizetype i = 0; i < file.text.size(); ++i) {
        const int number = int(i + 1);
        QString line = QStringLiteral("%1  %2").arg(number, digits).arg(file.text.at(i));
        if (marks.contains(number)) {
            const QStringList tests = marks.value(number);
            QString note = tests.mid(0, shownMarks).join(QStringLiteral(", "));
            if (tests.size() > shownMarks)
                note += QStringLiteral(" и ещё %1").arg(tests.size() - shownMarks);
            line += QStringLiteral("   ← ") + note;
        }
        page.paragraph(line, code);
    }
    page.gap();

    QStringList captions;
    for (const TestPass &pass : file.passes) {
        if (!pass.isCorrect)
            captions.append(failureText(pass, pointB));
    }
    if (!pngs.isEmpty() && pngs.size() == captions.size()) {
        QList<QImage> pictures;
        pictures.reserve(pngs.size());
        for (const QByteArray &png : pngs)
            pictures.append(pngPicture(png));
        page.paragraph(QStringLiteral("Неверные тесты"), textFont(11, true));
        page.pictureRows(pictures, captions, 3);
    }
    page.signatures();
}

bool protocol(const JuryReport &report, const QList<QList<QByteArray>> &pictures, int pageCount,
              int &pagesMade, QIODevice &document)
{
    QPdfWriter writer(&document);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    writer.setResolution(150);
    writer.setTitle(report.isPupilProtocol ? QStringLiteral("Протокол проверки решения")
                                           : QStringLiteral("Протокол проверки"));
    writer.setCreator(juryProgramText());

    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    ProtocolWriter page(writer, painter,
                        QStringLiteral("%1 · составлен %2").arg(juryProgramText(), madeText(report)),
                        pageCount);
    if (report.isPupilProtocol) {
        for (qsizetype i = 0; i < report.files.size(); ++i) {
            if (i > 0)
                page.newPage();
            pupilProtocol(page, report, i, pictures.value(i));
        }
    } else {
        roundProtocol(page, report, pictures);
    }
    pagesMade = page.finish();
    return painter.end();
}

// Takes every byte and keeps none: the first layout only counts the pages.
class DiscardingDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override { return length; }
};

} // namespace

bool writeJuryPdf(const JuryReport &report, const QList<QList<QByteArray>> &pictures, QIODevice &device)
{
    // The layout is made twice: the first time counts the pages, so that every page can
    // name their number.
    int pages = 0;
    DiscardingDevice counting;
    counting.open(QIODevice::WriteOnly);
    if (!protocol(report, pictures, 0, pages, counting))
        return false;
    int pagesAgain = 0;
    return protocol(report, pictures, pages, pagesAgain, device);
}
