#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// A save dialog of the program: its title, the files it lists and the extension it adds to
// a name typed without one. The question before replacing a file is asked in Russian once
// the dialog is closed; a refusal shows the dialog again with the name chosen.
struct SaveFileDialog
{
    QString title;
    QString nameFilter;
    QString suffix;

    void prepare(QFileDialog &dialog, const QString &fileName) const;
    // The file to write; an empty text when the dialog was cancelled.
    QString choose(QWidget *parent, const QString &offered) const;
};
