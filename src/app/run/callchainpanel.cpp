#include "app/run/callchainpanel.h"

#include "app/common/hint.h"

#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int callRowRole = Qt::UserRole;
constexpr int fullTextRole = Qt::UserRole + 1;

// The line of a call must be read whatever the length of the name: the name gives way.
QString fitted(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const qsizetype comma = text.lastIndexOf(u',');
    if (comma < 0)
        return metrics.elidedText(text, Qt::ElideRight, width);
    const QString line = text.mid(comma);
    return metrics.elidedText(text.left(comma), Qt::ElideRight, width - metrics.horizontalAdvance(line))
        + line;
}

} // namespace

CallChainPanel::CallChainPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelCalls"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 4, 2, 2);
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
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    const QFontMetrics metrics(m_list->font());
    // The list's width within the panel, as laid out even while the panel is hidden, less
    // the item's margins, and a vertical scroll bar when the rows need one.
    const QMargins margins = layout()->contentsMargins();
    const int frames = 2 * (frameWidth() + m_list->frameWidth());
    int width = this->width() - margins.left() - margins.right() - frames - 3;
    const int listHeight = height() - margins.top() - margins.bottom() - frames - 2 * metrics.height();
    if (int(rows.size()) * (metrics.height() + 2) > listHeight)
        width -= m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (const CallChainRow &row : rows) {
        auto *item = new QListWidgetItem(fitted(row.text, metrics, width), m_list);
        item->setData(callRowRole, row.row);
        item->setData(fullTextRole, row.text);
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
        texts << m_list->item(i)->data(fullTextRole).toString();
    return texts;
}
