#pragma once

#include <QString>

class QTranslator;

// Qt's own texts (the file and print dialogs' labels, buttons and places) in Russian,
// from Qt's translation catalogue in directory, by default where Qt keeps its own.
// Null, and the texts stay as Qt has them, when the catalogue is not there; otherwise
// the translator belongs to the application and is in use until it is deleted.
QTranslator *installQtTranslation(const QString &directory = QString());
