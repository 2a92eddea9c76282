#include "cli/run/output/protectedfiles.h"

#include <QFileInfo>

void ProtectedFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && !m_givenByCanonical.contains(canonical))
        m_givenByCanonical.insert(canonical, path);
}

QString ProtectedFiles::replacedBy(const QString &path) const
{
    // A file that does not exist yet replaces nothing; its canonical path is empty.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QString() : m_givenByCanonical.value(canonical);
}
