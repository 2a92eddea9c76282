#include "app/run/passlistpanel.h"

#include "app/common/hint.h"
#include "judge/passtexts.h"
#include "world/commands/runend.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// A drawing is judged by a reference's, which the pupil's program has not: only a pass that
// did not run to its end is known to be wrong there.
bool isWrong(const TestPass &pass, bool hasPointB)
{
    return !pass.isCorrect && (hasPointB || pass.end != RunEnd::Complete);
}

} // namespace

PassListPanel::PassListPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelPasses"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 4, 2, 2);
    layout->setSpacing(4);
    auto *caption = new QLabel(QStringLiteral("Прогоны"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListPasses"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setAlternatingRowColors(true);
    layout->addWidget(m_list);
    Hint::apply(this,
                QStringLiteral("Прогоны | Проходы последнего выполнения; двойной щелчок или Enter "
                               "выполняет выбранный проход ещё раз, Esc закрывает список"));
    connect(m_list, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { emit passChosen(m_list->row(item)); });
}

QString PassListPanel::rowText(const TestPass &pass, bool hasPointB)
{
    // One thing a line: the column is narrow.
    QString place =
        QStringLiteral("%1. %2 × %2").arg(QString::number(pass.number), QString::number(pass.fieldSize));
    if (!pass.arrangement.isEmpty())
        place += QStringLiteral("\nстенки ") + selectorsText(pass.arrangement);
    const QString mark = isWrong(pass, hasPointB) ? QStringLiteral("✗ ") : QString();
    return place + QLatin1Char('\n') + mark + passEndingText(pass, hasPointB, false);
}

void PassListPanel::showPasses(const QList<TestPass> &passes, bool hasPointB)
{
    m_list->clear();
    int firstWrong = -1;
    for (qsizetype i = 0; i < passes.size(); ++i) {
        const TestPass &pass = passes.at(i);
        auto *item = new QListWidgetItem(rowText(pass, hasPointB), m_list);
        if (isWrong(pass, hasPointB)) {
            QFont font = item->font();
            font.setBold(true);
            item->setFont(font);
            if (firstWrong < 0)
                firstWrong = int(i);
        }
    }
    if (m_list->count() > 0) {
        m_list->setCurrentRow(qMax(firstWrong, 0));
        m_list->scrollToItem(m_list->currentItem());
    }
}

QStringList PassListPanel::texts() const
{
    QStringList texts;
    for (int i = 0; i < m_list->count(); ++i)
        texts << m_list->item(i)->text();
    return texts;
}

int PassListPanel::selectedRow() const
{
    return m_list->currentRow();
}

void PassListPanel::focusList()
{
    m_focusReturn.remember(*this);
    m_list->setFocus(Qt::OtherFocusReason);
}

void PassListPanel::hideEvent(QHideEvent *event)
{
    m_focusReturn.release(*this, [this] { focusNextPrevChild(true); });
    QFrame::hideEvent(event);
}
