#pragma once

#include <QChar>
#include <QString>

// The rules for the names a pupil or a team registers with.
namespace PupilName {

constexpr int maxLength = 20;

// Characters accepted while typing a surname or a first name: backspace, blank, comma
// and the Russian letters А to я (Ё and ё are not among them).
bool isNameChar(QChar c);

// A small Russian letter а to я becomes its capital; any other character is unchanged.
QChar upperFirstLetter(QChar c);

// Blanks and control characters removed at both ends, cut to maxLength characters,
// and, when capitalise is set, the first letter made a capital.
QString normalised(const QString &text, bool capitalise);

// The caption of the work window for the three normalised names.
QString workWindowCaption(const QString &surname, const QString &firstName, const QString &team);

} // namespace PupilName
