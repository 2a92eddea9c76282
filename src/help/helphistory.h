#pragma once

#include <QString>
#include <QStringList>

// The pages the reader went through, for Back and Forward: opening a page drops the pages
// ahead of the current one, as a browser does.
class HelpHistory
{
public:
    void open(const QString &page);
    bool canGoBack() const { return m_current > 0; }
    bool canGoForward() const { return m_current + 1 < m_pages.size(); }
    // The page gone to; the current one when there is nowhere to go.
    QString back();
    QString forward();
    QString current() const { return m_current >= 0 ? m_pages.at(m_current) : QString(); }

private:
    QStringList m_pages;
    qsizetype m_current = -1;
};
