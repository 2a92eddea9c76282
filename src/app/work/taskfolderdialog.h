#pragma once

#include <QString>

class QWidget;

// The folder dialog "Укажите папку с задачей", offered when the current directory holds
// no task. It starts in the installed task collection (the current directory where there
// is none) and shows folders only.
// The chosen folder, or an empty text when the pupil cancelled.
QString chooseTaskFolder(QWidget *parent);
