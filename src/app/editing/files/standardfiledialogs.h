#pragma once

#include "app/editing/files/algorithmfiledialogs.h"
#include "app/editing/files/savefiledialog.h"

class QFileDialog;

// The window system's file dialogs, in Russian like the rest of the program. The save
// dialog starts at "NoName" every time and asks before replacing an existing file (a
// refusal shows the dialog again); the open dialog starts at the name chosen last time.
// Both offer text files and add ".txt" to a name typed without an extension.
class StandardFileDialogs : public AlgorithmFileDialogs
{
public:
    QString saveFileName(QWidget *parent) override;
    QString openFileName(QWidget *parent) override;

private:
    static QString saveTitle();
    static QString openTitle();
    static SaveFileDialog saveDialog();
    void prepareOpenDialog(QFileDialog &dialog) const;

    QString m_lastOpened;
};
