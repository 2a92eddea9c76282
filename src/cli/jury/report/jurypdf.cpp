#include "cli/jury/report/jurypdf.h"

#include "cli/jury/report/jurytexts.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

#include <cmath>

namespace {

QFont textFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont hashFont()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(7.5);
    return font;
}

// Words wrap at their ends, and a word too long for its column (a file's path) wherever it
// must, so that nothing is ever cut off.
QTextOption wrapping()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Writes down the page from top to bottom and starts a new page when the next piece does
// not fit.
class ProtocolWriter
{
public:
    ProtocolWriter(QPdfWriter &writer, QPainter &painter)
        : m_writer(writer)
        , m_painter(painter)
        , m_width(painter.viewport().width())
        , m_height(painter.viewport().height())
    {
    }

    void paragraph(const QString &text, const QFont &font, int indent = 0)
    {
        m_painter.setFont(font);
        const QRect box(indent, 0, m_width - indent, m_height);
        const int height = int(std::ceil(m_painter.boundingRect(QRectF(box), text, wrapping()).height()));
        makeRoom(height);
        m_painter.drawText(QRectF(indent, m_y, m_width - indent, height), text, wrapping());
        m_y += height;
    }

    void gap(qreal lines = 0.5)
    {
        m_y += int(QFontMetrics(textFont(10), m_painter.device()).height() * lines);
    }

    // A row of cells, each wrapped in its column; the widths are fractions of the page.
    void row(const QStringList &cells, const QList<qreal> &widths, const QFont &font, bool ruled)
    {
        m_painter.setFont(font);
        const int pad = m_width / 200;
        int height = 0;
        QList<QRect> boxes;
        int x = 0;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const int w = int(m_width * widths.at(i));
            const QRectF needed =
                m_painter.boundingRect(QRectF(x + pad, 0, w - 2 * pad, m_height), cells.at(i), wrapping());
            height = qMax(height, int(std::ceil(needed.height())));
            boxes.append(QRect(x + pad, 0, w - 2 * pad, 0));
            x += w;
        }
        height += 2 * pad;
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

    void picture(const QImage &image, qreal widthFraction)
    {
        const int width = qMin(int(m_width * widthFraction), m_width);
        const int height = pictureHeight(image, widthFraction);
        makeRoom(height);
        m_painter.drawImage(QRect(0, m_y, width, height), image);
        m_y += height;
    }

    void newPage()
    {
        m_writer.newPage();
        m_y = 0;
    }

private:
    void makeRoom(int height)
    {
        if (m_y > 0 && m_y + height > m_height)
            newPage();
    }

    QPdfWriter &m_writer;
    QPainter &m_painter;
    int m_width;
    int m_height;
    int m_y = 0;
};

} // namespace

QByteArray juryPdf(const JuryReport &report, const QList<QByteArray> &pictures)
{
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter writer(&document);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(150);
    writer.setTitle(QStringLiteral("Протокол проверки"));
    writer.setCreator(QStringLiteral("shagaika-check"));

    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    ProtocolWriter page(writer, painter);
    const bool pointB = report.task.hasPointB;

    page.paragraph(QStringLiteral("Протокол проверки"), textFont(16, true));
    page.paragraph(QStringLiteral("Составлен %1")
                       .arg(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))),
                   textFont(9));
    page.gap();
    page.paragraph(QStringLiteral("Задача: %1").arg(report.taskFile), textFont(10));
    page.paragraph(QStringLiteral("SHA-256 %1").arg(report.taskSha256), hashFont(),
                   painter.viewport().width() / 30);
    if (report.hasReference()) {
        page.paragraph(QStringLiteral("Эталон: %1").arg(report.referenceFile), textFont(10));
        page.paragraph(QStringLiteral("SHA-256 %1").arg(report.referenceSha256), hashFont(),
                       painter.viewport().width() / 30);
    }
    page.gap();
    page.paragraph(QStringLiteral("Условие"), textFont(11, true));
    for (const QString &line : report.task.statement)
        page.paragraph(line, textFont(10));
    page.gap();
    page.paragraph(
        pointB ? QStringLiteral("Решение верно, когда на каждом размере поля и при каждом расположении "
                                "подвижных стенок исполнение доходит до конца и Шагайка стоит в точке Б.")
               : QStringLiteral("Решение верно, когда на каждом размере поля и при каждом расположении "
                                "подвижных стенок исполнение доходит до конца и ШАГ рисует те же отрезки, "
                                "что эталон (направление и повторы не важны)."),
        textFont(9));
    page.paragraph(juryLimitsText(report.highlightLimit, report.timeLimitSeconds), textFont(9));
    page.gap();

    page.paragraph(QStringLiteral("Вердикты"), textFont(11, true));
    const QList<qreal> widths{0.05, 0.27, 0.19, 0.12, 0.37};
    page.row({QStringLiteral("№"), QStringLiteral("Файл"), QStringLiteral("Вердикт"),
              QStringLiteral("Верных проходов"), QStringLiteral("Первая ошибка")},
             widths, textFont(9, true), true);
    for (qsizetype i = 0; i < report.files.size(); ++i) {
        const JuryFileResult &file = report.files.at(i);
        const JuryPass *failure = file.firstFailure();
        const QString reason = !file.isRead() ? file.readError
            : !file.isAlgorithm()             ? file.notAlgorithm
            : failure                         ? failureText(*failure, pointB)
                                              : QString();
        page.row({QString::number(i + 1), file.file, verdictText(file),
                  QStringLiteral("%1 из %2").arg(file.correctPassCount()).arg(file.passes.size()), reason},
                 widths, textFont(9), true);
    }
    page.gap();
    page.paragraph(verdictTotalsText(report.files), textFont(10));
    page.gap();

    page.paragraph(QStringLiteral("Контрольные суммы (SHA-256) проверенных файлов"), textFont(11, true));
    for (const JuryFileResult &file : report.files)
        page.row({file.file, file.sha256.isEmpty() ? QStringLiteral("—") : file.sha256}, {0.3, 0.7},
                 hashFont(), false);

    for (qsizetype i = 0; i < report.files.size(); ++i) {
        const JuryFileResult &file = report.files.at(i);
        if (file.isCorrect())
            continue;
        page.newPage();
        page.paragraph(QStringLiteral("%1 — %2").arg(file.file, verdictText(file)), textFont(12, true));
        page.paragraph(QStringLiteral("SHA-256 %1").arg(file.sha256), hashFont());
        page.gap();
        if (!file.isRead() || !file.isAlgorithm()) {
            page.paragraph(file.isRead() ? file.notAlgorithm : file.readError, textFont(10));
            continue;
        }
        for (const JuryPass &pass : file.passes) {
            if (!pass.correct)
                page.paragraph(QStringLiteral("• ") + failureText(pass, pointB), textFont(9));
        }
        const JuryPass *failure = file.firstFailure();
        const QImage picture =
            failure && i < pictures.size() ? QImage::fromData(pictures.at(i), "PNG") : QImage();
        if (!picture.isNull()) {
            // The caption stays with its picture.
            page.keepTogether(page.pictureHeight(picture, 0.75)
                              + 3 * QFontMetrics(textFont(10), painter.device()).height());
            page.gap();
            page.paragraph(
                QStringLiteral("Первый неверный тест (%1): %2, конец %3")
                    .arg(testTitle(*failure), outcomeText(*failure), executorText(failure->executor)),
                textFont(10));
            page.picture(picture, 0.75);
        }
    }
    if (!painter.end())
        return {};
    return document.data();
}
