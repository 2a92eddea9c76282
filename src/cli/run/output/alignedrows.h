#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Rows of cells as lines of text: columns padded to their widest cell, two blanks apart,
// each line after the indent; the last cell of a row is not padded and no line ends in a
// blank. Rows may differ in length.
QStringList alignedRows(const QList<QStringList> &rows, const QString &indent = QString());
