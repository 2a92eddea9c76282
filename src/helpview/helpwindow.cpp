#include "helpview/helpwindow.h"

#include "helpview/helptext.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QToolButton *addButton(QWidget *parent, const QString &name, QStyle::StandardPixmap icon, const QString &text)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolTip(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Справка"));

    m_back = addButton(this, QStringLiteral("helpBack"), QStyle::SP_ArrowBack, QStringLiteral("Назад"));
    m_forward =
        addButton(this, QStringLiteral("helpForward"), QStyle::SP_ArrowForward, QStringLiteral("Вперёд"));
    auto *contents =
        addButton(this, QStringLiteral("helpContents"), QStyle::SP_DirHomeIcon, QStringLiteral("Содержание"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("helpSearch"));
    m_search->setPlaceholderText(QStringLiteral("Найти слово во всех страницах"));
    m_search->setClearButtonEnabled(true);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(contents);
    bar->addWidget(m_search, 1);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("helpPages"));
    m_text = new HelpText(this);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_list);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(splitter, 1);
    resize(900, 600);

    connect(m_back, &QToolButton::clicked, this, [this] { showPage(m_history.back()); });
    connect(m_forward, &QToolButton::clicked, this, [this] { showPage(m_history.forward()); });
    connect(contents, &QToolButton::clicked, this,
            [this] { openPage(QString::fromLatin1(HelpPages::indexPage)); });
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::searchChanged);
    connect(m_list, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem *item) { openPage(item->data(Qt::UserRole).toString()); });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem *item) { openPage(item->data(Qt::UserRole).toString()); });
    connect(m_text, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme() == QLatin1String("page"))
            openPage(url.path());
    });
    listPages(readingOrder());
    updateButtons();
    // The keys go to the search field when the window opens: a word typed finds its pages.
    m_search->setFocus();
}

void HelpWindow::openPage(const QString &id)
{
    const QString page = m_pages.hasPage(id) ? id : QString::fromLatin1(HelpPages::indexPage);
    m_history.open(page);
    showPage(page);
    show();
    raise();
    activateWindow();
}

void HelpWindow::showPage(const QString &id)
{
    const HelpPage page = m_pages.page(id);
    m_text->setHtml(page.html);
    // The words searched for are found on the page too.
    const QString first = m_search->text().section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    if (!first.isEmpty())
        m_text->find(first.size() >= 5 ? first.chopped(1) : first);
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(Qt::UserRole).toString() == id)
            m_list->setCurrentRow(row);
    }
    updateButtons();
}

void HelpWindow::listPages(const QStringList &ids)
{
    m_list->clear();
    for (const QString &id : ids) {
        auto *item = new QListWidgetItem(m_pages.page(id).title, m_list);
        item->setData(Qt::UserRole, id);
    }
}

void HelpWindow::searchChanged(const QString &text)
{
    listPages(text.trimmed().isEmpty() ? readingOrder() : m_pages.search(text));
}

void HelpWindow::updateButtons()
{
    m_back->setEnabled(m_history.canGoBack());
    m_forward->setEnabled(m_history.canGoForward());
}

// The contents' order: the pages as the contents page names them, then any other.
QStringList HelpWindow::readingOrder() const
{
    static const QRegularExpression link(QStringLiteral("href=\"page:([a-z0-9-]+)\""));
    QStringList order{QString::fromLatin1(HelpPages::indexPage)};
    for (const auto &match : link.globalMatch(m_pages.page(order.first()).html)) {
        if (!order.contains(match.captured(1)) && m_pages.hasPage(match.captured(1)))
            order.append(match.captured(1));
    }
    for (const HelpPage &page : m_pages.pages()) {
        if (!order.contains(page.id))
            order.append(page.id);
    }
    return order;
}
