#pragma once

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

// A label of a panel laid out by hand: named, at its fixed place, as large as its text.
QLabel *addFixedLabel(QWidget *parent, const QString &name, const QString &text, QPoint at);
