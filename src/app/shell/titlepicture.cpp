#include "app/shell/titlepicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>

namespace {

constexpr int pictureWidth = 799;
constexpr int pictureHeight = 372;
constexpr int cell = 34;
constexpr int columns = 22;
constexpr int rows = 10;
constexpr int left = (pictureWidth - columns * cell) / 2;
constexpr int top = (pictureHeight - rows * cell) / 2;

QPointF centre(int column, int row)
{
    return {left + column * cell + cell / 2.0, top + row * cell + cell / 2.0};
}

void drawGrid(QPainter &p)
{
    p.fillRect(left, top, columns * cell, rows * cell, QColor(255, 255, 240));
    p.setPen(QPen(QColor(170, 190, 210), 1));
    for (int i = 0; i <= columns; ++i)
        p.drawLine(left + i * cell, top, left + i * cell, top + rows * cell);
    for (int i = 0; i <= rows; ++i)
        p.drawLine(left, top + i * cell, left + columns * cell, top + i * cell);
    p.setPen(QPen(QColor(0, 0, 128), 6, Qt::SolidLine, Qt::SquareCap));
    p.setBrush(Qt::NoBrush);
    p.drawRect(left, top, columns * cell, rows * cell);
}

void drawWalls(QPainter &p)
{
    struct Wall
    {
        int column, row;
        bool vertical;
        int length;
    };
    const std::array walls{
        Wall{3, 0, true, 3},  Wall{6, 3, false, 4},  Wall{10, 1, true, 5}, Wall{13, 6, false, 3},
        Wall{16, 2, true, 4}, Wall{18, 7, false, 3}, Wall{2, 6, false, 3}, Wall{7, 7, true, 3},
    };
    p.setPen(QPen(QColor(0, 0, 128), 6, Qt::SolidLine, Qt::SquareCap));
    for (const Wall &w : walls) {
        const int x = left + w.column * cell;
        const int y = top + w.row * cell;
        if (w.vertical)
            p.drawLine(x, y, x, y + w.length * cell);
        else
            p.drawLine(x, y, x + w.length * cell, y);
    }
}

void drawMark(QPainter &p, QPointF at, const QString &letter, const QColor &colour)
{
    p.setPen(QPen(colour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, cell / 2.0 - 4, cell / 2.0 - 4);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(at.x() - cell / 2.0, at.y() - cell / 2.0, cell, cell), Qt::AlignCenter, letter);
}

void drawExecutor(QPainter &p, QPointF at)
{
    // The executor looks to the right: a red arrow head with a dark outline.
    const double h = cell / 2.0 - 6;
    const QPolygonF pointer{QPointF(at.x() + h, at.y()), QPointF(at.x() - h, at.y() - h),
                            QPointF(at.x() - h / 3, at.y()), QPointF(at.x() - h, at.y() + h)};
    p.setPen(QPen(QColor(90, 0, 0), 1.5));
    p.setBrush(QColor(220, 20, 20));
    p.drawPolygon(pointer);
}

void paintPicture(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pictureHeight);
    sky.setColorAt(0, QColor(200, 225, 255));
    sky.setColorAt(1, QColor(240, 248, 255));
    p.fillRect(QRect(0, 0, pictureWidth, pictureHeight), sky);

    drawGrid(p);
    drawWalls(p);

    // The walk from А to Б: right, down round the walls and on to the right.
    const std::array<std::pair<int, int>, 9> path{
        {{1, 1}, {1, 4}, {5, 4}, {5, 8}, {9, 8}, {9, 5}, {14, 5}, {14, 8}, {19, 8}}};
    QPainterPath trace(centre(path[0].first, path[0].second));
    for (std::size_t i = 1; i < path.size(); ++i)
        trace.lineTo(centre(path[i].first, path[i].second));
    p.setPen(QPen(QColor(128, 128, 128), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace);

    drawMark(p, centre(1, 1), QStringLiteral("А"), QColor(0, 110, 0));
    drawMark(p, centre(20, 8), QStringLiteral("Б"), QColor(0, 0, 170));
    drawExecutor(p, centre(19, 8));
}

} // namespace

TitlePicture::TitlePicture(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(pictureWidth, pictureHeight);
}

void TitlePicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintPicture(p);
}
