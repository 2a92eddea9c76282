#pragma once

#include <QTextBrowser>

// The text of a page, with the pictures of its examples drawn by the program as the page
// asks for them ("example:NAME/before").
class HelpText : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpText(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
};
