#include "app/field/patternpanel.h"

#include "app/common/hint.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int defaultShapeSide = 254;
// Beyond the right edge of the task panel.
constexpr int overhang = 80;

} // namespace

PatternPanel::PatternPanel(QWidget &window, const QWidget &taskStatement)
    : QFrame(&window, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , m_taskStatement(taskStatement)
{
    // The keyboard stays with the work window, whose keys F2 to F8 edit the algorithm,
    // however often the pupil moves the pattern.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("pnlPattern"));
    Hint::apply(this,
                QStringLiteral("Перетащите панель с образцом в другое место или закройте|"
                               "Перетащите панель с образцом в другое место или закройте"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);

    m_titleBar = new QWidget(this);
    m_titleBar->setAutoFillBackground(true);
    m_titleBar->setBackgroundRole(QPalette::Button);
    auto *titleLayout = new QHBoxLayout(m_titleBar);
    titleLayout->setContentsMargins(4, 2, 2, 2);
    m_title = new QLabel(QStringLiteral("Образец:"), m_titleBar);
    m_title->setObjectName(QStringLiteral("lblPattern"));
    m_close = new QToolButton(m_titleBar);
    m_close->setObjectName(QStringLiteral("closePattern"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    m_close->setFixedSize(16, 16);
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
    titleLayout->addWidget(m_title);
    titleLayout->addStretch();
    titleLayout->addWidget(m_close);
    // The label and the free part of the title both take the panel along.
    m_titleBar->installEventFilter(this);
    m_title->installEventFilter(this);

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("patternArea"));
    m_content->setAutoFillBackground(true);
    m_frame = new QFrame(m_content);
    m_frame->setObjectName(QStringLiteral("shapePattern"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setGeometry(0, 0, defaultShapeSide, defaultShapeSide);
    m_picture = new QLabel(m_content);
    m_picture->setObjectName(QStringLiteral("imagePattern"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setGeometry(0, 0, minimumPictureSide, minimumPictureSide);
    m_content->setFixedSize(defaultShapeSide, defaultShapeSide);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(0);
    layout->addWidget(m_titleBar);
    layout->addWidget(m_content);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Its native window is made only when it first shows, after the title window's: a
    // desktop without a window manager stacks windows in the order they are made.
    hide();
}

void PatternPanel::setPicture(const QImage &picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (pixmap.width() > maximumPictureSide || pixmap.height() > maximumPictureSide)
        pixmap = pixmap.scaled(maximumPictureSide, maximumPictureSide, Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    m_picture->setPixmap(pixmap);
    const QSize side(qBound(minimumPictureSide, pixmap.width(), maximumPictureSide),
                     qBound(minimumPictureSide, pixmap.height(), maximumPictureSide));
    m_picture->resize(side);
    m_content->setFixedSize(side.expandedTo(m_frame->size()));
    adjustSize();
}

void PatternPanel::setShown(bool shown)
{
    if (shown && !m_placed)
        placeOverTaskPanel();
    setVisible(shown);
}

bool PatternPanel::hasPicture() const
{
    return !m_picture->pixmap().isNull();
}

void PatternPanel::nMainPatternClick()
{
    // After a load that failed before the picture was read there is nothing to show.
    if (!hasPicture())
        return;
    setShown(!isVisible());
}

void PatternPanel::placeOverTaskPanel()
{
    m_placed = true;
    adjustSize();
    const QRect taskPanel(m_taskStatement.mapToGlobal(QPoint(0, 0)), m_taskStatement.size());
    move(taskPanel.x() + taskPanel.width() - width() + overhang, taskPanel.y());
}

bool PatternPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_titleBar && watched != m_title)
        return QFrame::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_grip = mouse->globalPosition().toPoint() - pos();
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_grip && (mouse->buttons() & Qt::LeftButton)) {
            move(mouse->globalPosition().toPoint() - *m_grip);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_grip) {
            m_grip.reset();
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick: return true;
    default: break;
    }
    return QFrame::eventFilter(watched, event);
}
