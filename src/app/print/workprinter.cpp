#include "app/print/workprinter.h"

#include "app/editing/editormessage.h"
#include "editor/algorithmtext.h"
#include "session/worksession.h"

#include <QAction>
#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

WorkPrinter::WorkPrinter(WorkSession &session, QWidget &window)
    : QObject(&window)
    , m_session(session)
    , m_window(window)
{
    setObjectName(QStringLiteral("workPrinter"));
    m_print = new QAction(QStringLiteral("Печать задачи, алгоритма и поля…"), &window);
    m_print->setObjectName(QStringLiteral("NPrint"));
    m_print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_print->setShortcutContext(Qt::WindowShortcut);
    window.addAction(m_print);
    connect(m_print, &QAction::triggered, this, &WorkPrinter::printWithDialog);
}

WorkSheet WorkPrinter::sheet() const
{
    WorkSheet sheet;
    sheet.caption = m_window.windowTitle();
    sheet.statement = m_session.task().statement;
    sheet.algorithm = m_session.algorithm().lines();
    sheet.field = m_session.scene().picture();
    return sheet;
}

bool WorkPrinter::print(QPrinter &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        // Otherwise the dialog closes and nothing at all tells that no page came out.
        const QString text = printer.outputFormat() == QPrinter::PdfFormat
            ? QStringLiteral("Не удалось записать файл %1")
                  .arg(QDir::toNativeSeparators(printer.outputFileName()))
            : QStringLiteral("Не удалось начать печать на принтере %1").arg(printer.printerName());
        showFileError(&m_window, text);
        return false;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintWorkSheet(painter, QRect(QPoint(0, 0), page.size()), sheet());
    painter.end();
    return true;
}

bool WorkPrinter::printWithDialog()
{
    // A modal dialog in the middle of a run would let the pupil change what runs.
    if (m_session.isRunning())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Шагайка"));
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return print(printer);
}
