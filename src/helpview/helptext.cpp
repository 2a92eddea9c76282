#include "helpview/helptext.h"

#include "help/helpexamples.h"

#include <QImage>
#include <QTextDocument>

HelpText::HelpText(QWidget *parent)
    : QTextBrowser(parent)
{
    setObjectName(QStringLiteral("helpText"));
    // Links between pages go through the window's history, not the browser's own.
    setOpenLinks(false);
}

QVariant HelpText::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("example"))
        return helpExamplePicture(name.path());
    return QTextBrowser::loadResource(type, name);
}
