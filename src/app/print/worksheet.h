#pragma once

#include <QImage>
#include <QStringList>

class QPainter;
class QRect;

// What a printed page of the work holds: the window's caption (the pupil's name), the
// task statement, the algorithm and the field picture as they stand.
struct WorkSheet
{
    QString caption;
    QStringList statement;
    QStringList algorithm;
    QImage field;
};

// Lays the sheet out on one page: the caption and the statement across the top, below
// them the algorithm on the left and the field on the right. A long algorithm is set in
// a smaller type rather than spill onto a second page.
void paintWorkSheet(QPainter &painter, const QRect &page, const WorkSheet &sheet);
