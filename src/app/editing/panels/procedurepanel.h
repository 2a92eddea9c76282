#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class ProcedureNameList;

// The panel that asks for a procedure's name: chosen from the names already described,
// or typed in as a new one. What the name is for (a description or a call) is the
// caller's business; the panel only reports the pupil's choices.
class ProcedurePanel : public QFrame
{
    Q_OBJECT

public:
    explicit ProcedurePanel(QWidget *parent = nullptr);

    // Shows the panel with an empty name field; the focus goes to the list, or to the
    // field when there is no name to choose yet.
    void open();
    // The names to choose from; the selection goes unless keepSelection.
    void showNames(const QStringList &names, bool keepSelection);
    // Selects a name of the list; an empty name selects none.
    void selectName(const QString &name);

signals:
    void nameChosen(const QString &name, bool byEnter);
    void newNameEntered(const QString &name);
    void escapePressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ProcedureNameList *m_names = nullptr;
    QLineEdit *m_newName = nullptr;
};
