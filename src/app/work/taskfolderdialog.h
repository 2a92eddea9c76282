#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The folder dialog "Укажите папку с задачей", offered when the current directory holds
// no task. It starts in the current directory and shows folders only.
QString taskFolderDialogTitle();
void prepareTaskFolderDialog(QFileDialog &dialog);
// The chosen folder, or an empty text when the pupil cancelled.
QString chooseTaskFolder(QWidget *parent);
