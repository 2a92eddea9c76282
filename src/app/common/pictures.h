#pragma once

#include <QIcon>
#include <QPixmap>

// The small pictures of the work window, drawn by the program itself.
namespace Pictures {

constexpr int menuPictureCount = 12;

// The twelve 16 × 16 menu pictures in pairs: 2·k for menu item k enabled, 2·k + 1 disabled.
// Items: 0 "Начать", 1 "Разработка", 2 "Отладка", 3 "Точки", 4 "Размер поля", 5 "Образец".
QPixmap menuPicture(int index);
// Both pictures of menu item k, the second as the icon's disabled mode.
QIcon menuIcon(int item);

// The run tool bar: 0 slow, 1 middle, 2 fastest, 3 stop, 4 pause, 5 one step.
QIcon runButtonIcon(int index);

} // namespace Pictures
