#pragma once

#include "help/helphistory.h"
#include "help/helppages.h"

#include <QWidget>

class HelpText;
class QLineEdit;
class QListWidget;
class QToolButton;

// "Справка": the pages with a search field, a list of pages (or of the pages found) and
// Back and Forward. A window of its own beside the one that opened it; it never takes the
// input away from it, so a run goes on while the pupil reads.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the window at that page (the contents when there is no such page) and brings it
    // forward, where the pupil left it.
    void openPage(const QString &id);
    QString currentPage() const { return m_history.current(); }

private:
    void showPage(const QString &id);
    void listPages(const QStringList &ids);
    void searchChanged(const QString &text);
    void updateButtons();
    QStringList readingOrder() const;

    HelpPages m_pages;
    HelpHistory m_history;
    QLineEdit *m_search;
    QToolButton *m_back;
    QToolButton *m_forward;
    QListWidget *m_list;
    HelpText *m_text;
};
