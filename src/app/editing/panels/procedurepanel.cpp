#include "app/editing/panels/procedurepanel.h"

#include "app/common/fixedlabel.h"
#include "app/common/hint.h"
#include "app/editing/panels/procedurenamelist.h"

#include "app/editing/panels/windows1251guard.h"
#include <QKeyEvent>
#include <QLabel>

#include <QLineEdit>

ProcedurePanel::ProcedurePanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelProc"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(8, 128, 265, 169);
    Hint::apply(this, QStringLiteral("<Esc> - закрыть данную панель без выбора имени процедуры"));

    addFixedLabel(this, QStringLiteral("LabelProcList"), QStringLiteral("Выбрать из списка"), QPoint(8, 16));
    m_names = new ProcedureNameList(this);
    m_names->setObjectName(QStringLiteral("ListBoxProc"));
    m_names->setGeometry(128, 16, 121, 89);
    Hint::apply(m_names,
                QStringLiteral("Если имени процедуры нет в списке, введите его  в нижнем поле ввода "
                               "| Имя процедуры вводится только один раз, а затем всегда выбирается "
                               "из списка"));
    connect(m_names, &ProcedureNameList::nameChosen, this, &ProcedurePanel::nameChosen);
    connect(m_names, &ProcedureNameList::escapePressed, this, &ProcedurePanel::escapePressed);

    addFixedLabel(this, QStringLiteral("LabelProcNew1"), QStringLiteral("Ввести имя "), QPoint(8, 120));
    addFixedLabel(this, QStringLiteral("LabelProcNew2"), QStringLiteral("новой процедуры"), QPoint(8, 136));
    m_newName = new QLineEdit(this);
    m_newName->setObjectName(QStringLiteral("EditNewProc"));
    new Windows1251Guard(m_newName);
    m_newName->setGeometry(128, 120, 121, 21);
    Hint::apply(m_newName,
                QStringLiteral("Если имени процедуры нет в верхнем списке, введите его и нажмите "
                               "<Enter>  | Имя процедуры вводится только один раз, а затем всегда "
                               "выбирается из списка"));
    m_newName->installEventFilter(this);
    hide();
}

void ProcedurePanel::open()
{
    m_newName->clear();
    show();
    raise();
    if (m_names->count() == 0)
        m_newName->setFocus(Qt::OtherFocusReason);
    else
        m_names->setFocus(Qt::OtherFocusReason);
}

bool ProcedurePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_newName && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: emit newNameEntered(m_newName->text()); return true;
        case Qt::Key_Escape: emit escapePressed(); return true;
        default: break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void ProcedurePanel::showNames(const QStringList &names, bool keepSelection)
{
    m_names->setNames(names);
    if (!keepSelection)
        m_names->selectName(QString());
}

void ProcedurePanel::selectName(const QString &name)
{
    m_names->selectName(name);
}
