#pragma once

#include "help/helppage.h"

#include <QList>
#include <QStringList>

// The help's pages as the program carries them in its resources. A page is HTML whose first
// heading is its title; a line "{{example NAME}}" stands for the example of that name, shown
// with its lines and the field before and after its run.
class HelpPages
{
public:
    // The pages of the resources (the whole help).
    HelpPages();
    // These pages only (the tests).
    explicit HelpPages(QList<HelpPage> pages);

    static constexpr const char *indexPage = "index";
    static constexpr const char *teacherPage = "teacher";

    const QList<HelpPage> &pages() const { return m_pages; }
    bool hasPage(const QString &id) const;
    // The page, or an empty one when there is none of that name.
    HelpPage page(const QString &id) const;

    // The pages that hold every word of the query, those with a word in the title first.
    // A word of five letters or more also finds its other endings ("стена": "стены", "стену").
    QStringList search(const QString &query) const;

private:
    QList<HelpPage> m_pages;
};

// A page from its file's text: the title from the first <h1>, the examples expanded.
HelpPage helpPageFromHtml(const QString &id, const QString &html);
