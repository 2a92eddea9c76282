#pragma once

#include "app/print/worksheet.h"

#include <QObject>

class QAction;
class QPrinter;
class WorkSession;

// Prints the task statement, the algorithm and the field picture of the work window on
// one page: Ctrl+P opens the print dialog, where a printer or a PDF file is chosen.
class WorkPrinter : public QObject
{
    Q_OBJECT

public:
    // The caption of `window` heads the page.
    WorkPrinter(WorkSession &session, QWidget &window);

    // "Печать…", Ctrl+P, in the window, for the field's context menu to offer too.
    QAction *printAction() const { return m_print; }

    WorkSheet sheet() const;
    // Prints the sheet to a printer already set up (a PDF file included); a printer or file
    // that cannot be started is told in a message, and the result is false.
    bool print(QPrinter &printer) const;

private:
    // The print dialog, then the print; false when cancelled or during a run.
    bool printWithDialog();

    WorkSession &m_session;
    QWidget &m_window;
    QAction *m_print = nullptr;
};
