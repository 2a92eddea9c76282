#pragma once

#include <QString>

class QWidget;

// Asks the pupil which file to save the algorithm to or to load it from. The editor
// talks only to this interface, so that the dialogs can be replaced where no one
// can answer them.
class AlgorithmFileDialogs
{
public:
    virtual ~AlgorithmFileDialogs() = default;

    // The chosen file, or an empty text when the pupil cancelled.
    virtual QString saveFileName(QWidget *parent) = 0;
    virtual QString openFileName(QWidget *parent) = 0;
};
