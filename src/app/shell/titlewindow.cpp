#include "app/shell/titlewindow.h"

#include "app/shell/boldseriffont.h"
#include "app/shell/registrationwindow.h"
#include "app/shell/titlepicture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

namespace {

// The client area that gives an outer size of about 952 × 715 with a usual frame.
constexpr int clientWidth = 944;
constexpr int clientHeight = 684;

QIcon startGlyph()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 80, 0), 1.5));
    p.setBrush(QColor(30, 170, 30));
    p.drawPolygon(QPolygonF{QPointF(5, 3), QPointF(21, 12), QPointF(5, 21)});
    return QIcon(pixmap);
}

} // namespace

TitleWindow::TitleWindow(WorkOpener openWork, QWidget *parent)
    : QMainWindow(parent)
    , m_openWork(std::move(openWork))
{
    setObjectName(QStringLiteral("frmMainPupil"));
    setWindowTitle(QStringLiteral("\"Шагайка 1.1\"  Олимпиадная задача"));
    QFont windowFont(QStringLiteral("Impact"));
    windowFont.setPixelSize(19);
    setFont(windowFont);

    auto *client = new QWidget(this);
    setCentralWidget(client);

    m_picture = new TitlePicture(client);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->move(74, 6);

    addCaptionLine(QStringLiteral("Олимпиада по информатике"), 48, QPoint(220, 390));
    addCaptionLine(QStringLiteral("Задача для исполнителя на клетчатом поле"), 32, QPoint(150, 446));
    addCaptionLine(QStringLiteral("Составьте алгоритм, проверьте его на поле"), 29, QPoint(160, 486));
    addCaptionLine(QStringLiteral("\"Шагайка\""), 35, QPoint(580, 522));

    m_start = new QPushButton(startGlyph(), QStringLiteral(" Старт"), client);
    m_start->setObjectName(QStringLiteral("StartBitB"));
    m_start->setFont(boldSerifFont(16));
    m_start->setIconSize(QSize(24, 24));
    m_start->setGeometry(398, 595, 120, 45);
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &TitleWindow::startBitBClick);

    // Built outside the window until it has its own font: the bar measures its height as it is
    // made, and in the window's font, which nothing on it draws with, that would load one more
    // font file for nothing. The window takes it over below.
    m_statusBar = new QStatusBar;
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    QFont statusFont(QStringLiteral("MS Serif"));
    statusFont.setPixelSize(11);
    m_statusBar->setFont(statusFont);
    m_statusBar->setSizeGripEnabled(false);
    const int panelWidths[3] = {250, 300, 150};
    for (int i = 0; i < 3; ++i) {
        m_statusPanels[i] = new QLabel(m_statusBar);
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        m_statusPanels[i]->setMinimumWidth(panelWidths[i]);
        m_statusPanels[i]->setFrameShape(QFrame::StyledPanel);
        m_statusBar->addWidget(m_statusPanels[i], i == 2 ? 1 : 0);
    }
    m_statusPanels[2]->setText(QStringLiteral("Для начала работы нажмите кнопку \"Старт\""));
    setStatusBar(m_statusBar);

    setFixedSize(clientWidth, clientHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    m_start->setFocus();
}

void TitleWindow::addCaptionLine(const QString &text, int pixelHeight, QPoint at)
{
    auto *label = new QLabel(text, centralWidget());
    label->setFont(boldSerifFont(pixelHeight));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(128, 0, 0));
    label->setPalette(palette);
    label->move(at);
    label->adjustSize();
}

void TitleWindow::startBitBClick()
{
    // A hidden button keeps the keyboard focus when nothing else can take it, and Enter or
    // Space would press it again; disabled, it takes no key.
    m_start->hide();
    m_start->setEnabled(false);
    m_statusPanels[2]->clear();
    auto *registration = new RegistrationWindow(m_openWork, this);
    registration->setAttribute(Qt::WA_DeleteOnClose);
    if (registration->exec() == QDialog::Accepted)
        return;
    setWindowTitle(QStringLiteral("Приглашение"));
    m_start->setEnabled(true);
    m_start->show();
    m_start->setFocus();
}
