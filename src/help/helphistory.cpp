#include "help/helphistory.h"

void HelpHistory::open(const QString &page)
{
    if (page == current())
        return;
    m_pages.resize(m_current + 1);
    m_pages.append(page);
    m_current = m_pages.size() - 1;
}

QString HelpHistory::back()
{
    if (canGoBack())
        --m_current;
    return current();
}

QString HelpHistory::forward()
{
    if (canGoForward())
        ++m_current;
    return current();
}
