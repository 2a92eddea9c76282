#include "help/helppages.h"

#include "help/helpexamples.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace {

QString pagesFolder()
{
    return QStringLiteral(":/help/pages");
}

QList<HelpPage> resourcePages()
{
    QList<HelpPage> pages;
    QDirIterator it(pagesFolder(), {QStringLiteral("*.html")}, QDir::Files);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            pages.append(helpPageFromHtml(QFileInfo(file.fileName()).completeBaseName(),
                                          QString::fromUtf8(file.readAll())));
    }
    std::sort(pages.begin(), pages.end(), [](const HelpPage &a, const HelpPage &b) { return a.id < b.id; });
    return pages;
}

// The forms of a word the search accepts: itself, and for a longer word its stem (the word
// without its last letter), so that a noun is found in any of its cases.
QString searchStem(const QString &word)
{
    return word.size() >= 5 ? word.left(word.size() - 1) : word;
}

} // namespace

HelpPage helpPageFromHtml(const QString &id, const QString &html)
{
    static const QRegularExpression heading(QStringLiteral("<h1>(.*?)</h1>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression example(QStringLiteral("\\{\\{example ([a-z0-9-]+)\\}\\}"));
    HelpPage page;
    page.id = id;
    const auto title = heading.match(html);
    QTextDocument titleText;
    titleText.setHtml(title.captured(1));
    page.title = titleText.toPlainText().simplified();
    page.html = html;
    // Replaced from the end, so that the earlier matches keep their places.
    QList<QRegularExpressionMatch> matches;
    for (const auto &match : example.globalMatch(html))
        matches.append(match);
    for (auto it = matches.crbegin(); it != matches.crend(); ++it)
        page.html.replace(it->capturedStart(), it->capturedLength(), exampleHtml(it->captured(1)));
    QTextDocument text;
    text.setHtml(page.html);
    page.plainText = text.toPlainText();
    return page;
}

HelpPages::HelpPages()
{
    // The pages live in a static library, whose resources are linked only when named.
    Q_INIT_RESOURCE(help);
    m_pages = resourcePages();
}

HelpPages::HelpPages(QList<HelpPage> pages)
    : m_pages(std::move(pages))
{
}

bool HelpPages::hasPage(const QString &id) const
{
    return std::any_of(m_pages.cbegin(), m_pages.cend(), [&](const HelpPage &page) { return page.id == id; });
}

HelpPage HelpPages::page(const QString &id) const
{
    for (const HelpPage &page : m_pages) {
        if (page.id == id)
            return page;
    }
    return {};
}

QStringList HelpPages::search(const QString &query) const
{
    const QStringList words = query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    QStringList inTitle;
    QStringList inText;
    for (const HelpPage &page : m_pages) {
        bool all = true;
        bool title = false;
        for (const QString &word : words) {
            const QString stem = searchStem(word);
            all = all
                && (page.plainText.contains(stem, Qt::CaseInsensitive)
                    || page.title.contains(stem, Qt::CaseInsensitive));
            title = title || page.title.contains(stem, Qt::CaseInsensitive);
        }
        if (all)
            (title ? inTitle : inText).append(page.id);
    }
    return inTitle + inText;
}
