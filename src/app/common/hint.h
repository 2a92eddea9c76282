#pragma once

#include <QString>

class QAction;
class QWidget;

// A hint has a short part (the tooltip) and a long part (shown in the status bar),
// separated by the first vertical bar. A hint without a bar is both at once.
namespace Hint {

QString shortPart(const QString &hint);
QString longPart(const QString &hint);

// Tooltip := short part, status tip := long part.
void apply(QWidget *widget, const QString &hint);
// Menu items show only the long part, in the status bar.
void apply(QAction *action, const QString &hint);

} // namespace Hint
