#pragma once

#include <QHash>
#include <QString>

// The files a check reads (the task file, the pattern picture, the reference and every
// participant's file), so that nothing the check writes can take the place of one: a
// report named by a careless wildcard would otherwise replace a pupil's work unjudged.
// Files are compared by their canonical paths, so links and "../" change nothing.
class ProtectedFiles
{
public:
    void add(const QString &path);
    // The input that writing to `path` would replace, as it was given; empty when none.
    QString replacedBy(const QString &path) const;

private:
    QHash<QString, QString> m_givenByCanonical;
};
