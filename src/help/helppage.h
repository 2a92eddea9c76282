#pragma once

#include <QString>

// One page of the help: its name (the file's base name, which links use), the title shown in
// the page list and the page's rich text.
struct HelpPage
{
    QString id;
    QString title;
    QString html;
    // The words of the page without its markup, for the search.
    QString plainText;
};
