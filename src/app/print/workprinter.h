#pragma once

#include "app/print/worksheet.h"

#include <QObject>

class QAction;
class QPrinter;
class WorkWindow;

// Prints the task statement, the algorithm and the field picture of the work window on
// one page: Ctrl+P opens the print dialog, where a printer or a PDF file is chosen.
class WorkPrinter : public QObject
{
    Q_OBJECT

public:
    explicit WorkPrinter(WorkWindow &window);

    // "Печать…", Ctrl+P, in the window, for the field's context menu to offer too.
    QAction *printAction() const { return m_print; }

    WorkSheet sheet() const;
    // Prints the sheet to a printer already set up (a PDF file included); a printer or file
    // that cannot be started is told in a message, and the result is false.
    bool print(QPrinter &printer) const;

private:
    // The print dialog, then the print; false when cancelled or during a run.
    bool printWithDialog();

    WorkWindow &m_window;
    QAction *m_print = nullptr;
};
