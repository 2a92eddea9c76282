#include "app/editing/panels/procedurenamelist.h"

#include "editor/procedurename.h"

#include <QKeyEvent>

ProcedureNameList::ProcedureNameList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (item)
            emit nameChosen(item->text(), false);
    });
}

void ProcedureNameList::setNames(const QStringList &names)
{
    const QString selected = selectedName();
    clear();
    addItems(names);
    if (!selected.isEmpty())
        selectName(selected);
}

QStringList ProcedureNameList::names() const
{
    QStringList result;
    for (int row = 0; row < count(); ++row)
        result << item(row)->text();
    return result;
}

QString ProcedureNameList::selectedName() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void ProcedureNameList::selectName(const QString &name)
{
    const int row = names().indexOf(name);
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
}

void ProcedureNameList::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up: {
        const int selected = selectedItems().isEmpty() ? -1 : currentRow();
        const int row = event->key() == Qt::Key_Down ? nextNameRow(selected, count())
                                                     : previousNameRow(selected, count());
        if (row >= 0)
            setCurrentRow(row);
        event->accept();
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        event->accept();
        // With no name selected there is nothing to choose.
        const QString name = selectedName();
        if (!name.isEmpty() || !selectedItems().isEmpty())
            emit nameChosen(name, true);
        return;
    }
    case Qt::Key_Escape:
        event->accept();
        emit escapePressed();
        return;
    default: break;
    }
    const QString before = selectedName();
    const int beforeRow = currentRow();
    QListWidget::keyPressEvent(event);
    if (!selectedItems().isEmpty() && (currentRow() != beforeRow || selectedName() != before))
        emit nameChosen(selectedName(), false);
}
