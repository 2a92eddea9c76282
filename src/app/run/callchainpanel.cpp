#include "app/run/callchainpanel.h"

#include "app/common/hint.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int callRowRole = Qt::UserRole;

} // namespace

CallChainPanel::CallChainPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelCalls"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    auto *caption = new QLabel(QStringLiteral("Вызовы"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListCalls"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_list);
    Hint::apply(this,
                QStringLiteral("Вызовы | Процедуры, которые сейчас выполняются, начиная с первого вызова; "
                               "щелкните вызов, чтобы выделить его строку"));
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = item->data(callRowRole).toInt();
        if (row >= 0)
            emit callRowChosen(row);
    });
}

void CallChainPanel::showRows(const std::vector<CallChainRow> &rows)
{
    m_list->clear();
    for (const CallChainRow &row : rows) {
        auto *item = new QListWidgetItem(row.text, m_list);
        item->setData(callRowRole, row.row);
        // A long name is read whole in the hint.
        item->setToolTip(row.text);
        if (row.row < 0)
            item->setFlags(Qt::ItemIsEnabled);
    }
    if (m_list->count() > 0)
        m_list->scrollToBottom();
}

QStringList CallChainPanel::texts() const
{
    QStringList texts;
    for (int i = 0; i < m_list->count(); ++i)
        texts << m_list->item(i)->text();
    return texts;
}
