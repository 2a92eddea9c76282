#include "app/field/patternpanel.h"

#include "app/common/hint.h"
#include "app/work/workwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int defaultShapeSide = 254;
// Beyond the right edge of the task panel.
constexpr int overhang = 80;

} // namespace

PatternPanel::PatternPanel(WorkWindow &window)
    : QDockWidget(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("pnlPattern"));
    Hint::apply(this,
                QStringLiteral("Перетащите панель с образцом в другое место или закройте|"
                               "Перетащите панель с образцом в другое место или закройте"));
    setAllowedAreas(Qt::NoDockWidgetArea);
    // Movable and closable, never docked: a double click on the label must not dock it either.
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetClosable);

    auto *titleBar = new QWidget(this);
    titleBar->setAutoFillBackground(true);
    titleBar->setBackgroundRole(QPalette::Button);
    auto *titleLayout = new QHBoxLayout(titleBar);
    titleLayout->setContentsMargins(4, 2, 2, 2);
    lblPattern = new QLabel(QStringLiteral("Образец:"), titleBar);
    lblPattern->setObjectName(QStringLiteral("lblPattern"));
    closeButton = new QToolButton(titleBar);
    closeButton->setObjectName(QStringLiteral("closePattern"));
    closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    closeButton->setAutoRaise(true);
    closeButton->setFixedSize(16, 16);
    connect(closeButton, &QToolButton::clicked, this, &QDockWidget::close);
    titleLayout->addWidget(lblPattern);
    titleLayout->addStretch();
    titleLayout->addWidget(closeButton);
    setTitleBarWidget(titleBar);

    auto *content = new QWidget(this);
    content->setAutoFillBackground(true);
    shapePattern = new QFrame(content);
    shapePattern->setObjectName(QStringLiteral("shapePattern"));
    shapePattern->setFrameShape(QFrame::Box);
    shapePattern->setGeometry(0, 0, defaultShapeSide, defaultShapeSide);
    imagePattern = new QLabel(content);
    imagePattern->setObjectName(QStringLiteral("imagePattern"));
    imagePattern->setAlignment(Qt::AlignCenter);
    imagePattern->setGeometry(0, 0, minimumPictureSide, minimumPictureSide);
    content->setFixedSize(defaultShapeSide, defaultShapeSide);
    setWidget(content);

    // Hidden, it takes no room in the window; it floats from the first time it shows. Made
    // floating now, it would make the window system create the work window before the
    // title window, and a desktop without a window manager would stack it below.
    window.addDockWidget(Qt::TopDockWidgetArea, this);
    hide();
    connect(&window, &WorkWindow::patternRequested, this, &PatternPanel::nMainPatternClick);
}

void PatternPanel::setPicture(const QImage &picture)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (pixmap.width() > maximumPictureSide || pixmap.height() > maximumPictureSide)
        pixmap = pixmap.scaled(maximumPictureSide, maximumPictureSide, Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    imagePattern->setPixmap(pixmap);
    const QSize side(qBound(minimumPictureSide, pixmap.width(), maximumPictureSide),
                     qBound(minimumPictureSide, pixmap.height(), maximumPictureSide));
    imagePattern->resize(side);
    widget()->setFixedSize(side.expandedTo(shapePattern->size()));
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
    return !imagePattern->pixmap().isNull();
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
    setFloating(true);
    adjustSize();
    const QRect taskPanel = m_window.taskStatementArea();
    move(taskPanel.x() + taskPanel.width() - width() + overhang, taskPanel.y());
}
