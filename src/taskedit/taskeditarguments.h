#pragma once

#include <QString>
#include <QStringList>

// What the task editor's command line asks for: the task folder to open (none: the current
// folder's task, or a new one), its usage or its version, or a mistake. It is read before
// any window exists, so that "--help" and "--version" work without a display.
struct TaskEditArguments
{
    enum class Action { Open, Help, Version, Mistake };

    Action action = Action::Open;
    QString folder;
    QString mistake;

    // The arguments after the program's name.
    static TaskEditArguments parse(const QStringList &arguments);
    static QString helpText();
    static QString versionText();
};
