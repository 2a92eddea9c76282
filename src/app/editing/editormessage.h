#pragma once

#include <QString>

class QWidget;

// The editor's modal message boxes.

// An information box with a single OK, as for a refused name or deletion.
void showEditorMessage(QWidget *parent, const QString &text);
// A file that could not be written or read.
void showFileError(QWidget *parent, const QString &text);

enum class SaveAnswer { Save, Discard, Cancel };
// "Сохранить алгоритм в файле?" with Да / Нет / Отмена; closing the box is Отмена.
SaveAnswer askToSaveAlgorithm(QWidget *parent);

// "Файл … уже существует. Заменить его?" with Да / Нет; true for Да.
bool askToReplaceFile(QWidget *parent, const QString &fileName);
