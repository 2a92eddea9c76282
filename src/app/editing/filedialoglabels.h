#pragma once

#include <QString>

class QFileDialog;

// The labels and buttons of a file dialog in Russian, like the rest of the program;
// accept is the caption of its accepting button.
void setRussianLabels(QFileDialog &dialog, const QString &accept);
