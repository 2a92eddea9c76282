#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The rules for procedure names and the messages that refuse a name or a deletion.
// Names are compared exactly, letter case included.

QString enterProcedureNameMessage();
QString nameMustStartWithLetterMessage();
QString procedureAlreadyDescribedMessage(const QString &name);
QString procedureStillCalledMessage();

// The message refusing `name` as the name of a new procedure, or nothing when it is
// accepted: it must not be empty, must not begin with a decimal digit and must not
// be one of the known names.
std::optional<QString> newProcedureNameError(const QString &name, const QStringList &knownNames);

// Whether some line of the text is the head of a procedure with this name.
bool isProcedureDescribed(const QStringList &lines, const QString &name);
// Whether some line of the text, anywhere, calls a procedure with this name.
bool isProcedureCalled(const QStringList &lines, const QString &name);

// Moving through the list of names with Down and Up wraps around at both ends; with
// no name selected Down goes to the first and Up to the last. -1 for an empty list.
int nextNameRow(int row, int count);
int previousNameRow(int row, int count);
