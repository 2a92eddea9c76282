#pragma once

#include <QListWidget>

// The list of procedure names in the procedure panel. Up and Down move through it,
// wrapping at both ends, without choosing; every other way of changing the selection
// (a click, also on the name already selected, Home, End, the page keys, a first
// letter) chooses the selected name, and so does Enter.
class ProcedureNameList : public QListWidget
{
    Q_OBJECT

public:
    explicit ProcedureNameList(QWidget *parent = nullptr);

    // Shows these names; the name that was selected stays selected when it is still there.
    void setNames(const QStringList &names);
    QStringList names() const;
    void selectName(const QString &name);

signals:
    // A name was chosen; byEnter tells the panel to close whatever the outcome.
    void nameChosen(const QString &name, bool byEnter);
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString selectedName() const;
};
