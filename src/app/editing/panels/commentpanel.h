#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;

// The panel for a comment's text. Enter hands the text over and closes the panel;
// leaving the field closes it without a comment.
class CommentPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CommentPanel(QWidget *parent = nullptr);

    // Shows the panel with an empty field and the focus in it.
    void open();
    void closePanel();

signals:
    void commentEntered(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_title = nullptr;
    QLineEdit *m_text = nullptr;
};
