#include "cli/run/algorithmfiles.h"

#include "common/systemerror.h"
#include "common/systemfilename.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <optional>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#endif

namespace {

struct FolderEntry
{
    QString name;
    bool isFolder = false;
};

// The entries of a folder, hidden ones aside, or nothing (and why in `reason`) when it cannot be
// read. On Unix the names are read as the system keeps them (see systemfilename.h): a name
// unpacked from another system's archive need not be UTF-8, and the file must still open.
std::optional<QList<FolderEntry>> folderEntries(const QString &folder, QString &reason)
{
    QList<FolderEntry> entries;
#ifdef Q_OS_UNIX
    const QByteArray path = fileNameToSystem(folder);
    DIR *dir = ::opendir(path.constData());
    if (!dir) {
        reason = systemErrorText(errno);
        return std::nullopt;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        struct stat info = {};
        const bool isFolder = ::stat((path + '/' + name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
        entries.append({fileNameFromSystem(name), isFolder});
    }
    ::closedir(dir);
#else
    const QDir dir(folder);
    if (!dir.isReadable()) {
        reason = systemErrorText(EACCES);
        return std::nullopt;
    }
    for (const QFileInfo &entry :
         dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System))
        entries.append({entry.fileName(), entry.isDir()});
#endif
    return entries;
}

// The same for every way to the folder (links, "..").
QByteArray canonicalKey(const QString &folder)
{
    const QString canonical = canonicalPath(folder);
    return fileNameToSystem(canonical.isEmpty() ? folder : canonical);
}

bool isFolder(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info = {};
    return ::stat(fileNameToSystem(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
#else
    return QFileInfo(path).isDir();
#endif
}

struct FolderWalk
{
    bool recursive = false;
    QSet<QByteArray> visited;                // the folders looked through, canonical
    QList<QPair<QByteArray, QString>> found; // the sort key (the path below the folder) and the path
    AlgorithmFileList *list = nullptr;
};

void walkFolder(FolderWalk &walk, const QString &folder, const QString &below)
{
    const QString shown = QDir::toNativeSeparators(folder);
    const QByteArray canonical = canonicalKey(folder);
    if (walk.visited.contains(canonical)) {
        walk.list->notes.append(QStringLiteral("папка %1 пропущена: она ведёт в уже просмотренную папку %2")
                                    .arg(shown, QDir::toNativeSeparators(fileNameFromSystem(canonical))));
        return;
    }
    walk.visited.insert(canonical);
    QString reason;
    const std::optional<QList<FolderEntry>> entries = folderEntries(folder, reason);
    if (!entries) {
        walk.list->errors.append(
            QStringLiteral("папка %1 не читается: %2; её файлы не проверены").arg(shown, reason));
        walk.list->unreadFolders.append({folder, reason});
        return;
    }
    for (const FolderEntry &entry : *entries) {
        const QString path = QDir(folder).filePath(entry.name);
        const QString relative = below.isEmpty() ? entry.name : below + QLatin1Char('/') + entry.name;
        if (entry.isFolder) {
            if (walk.recursive)
                walkFolder(walk, path, relative);
        } else if (isAlgorithmFileName(entry.name)) {
            walk.found.append({fileNameToSystem(relative), path});
        }
    }
}

} // namespace

AlgorithmFileList expandAlgorithmFiles(const QStringList &arguments, bool recursive)
{
    AlgorithmFileList list;
    for (const QString &argument : arguments) {
        if (!isFolder(argument)) {
            list.files.append(argument);
            continue;
        }
        FolderWalk walk;
        walk.recursive = recursive;
        walk.list = &list;
        walkFolder(walk, argument, QString());
        std::sort(walk.found.begin(), walk.found.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        if (walk.found.isEmpty())
            list.notes.append(
                QStringLiteral("в папке %1 нет файлов *.txt%2")
                    .arg(QDir::toNativeSeparators(argument),
                         recursive ? QString() : QStringLiteral(" (вложенные папки — с --recursive)")));
        for (const auto &file : std::as_const(walk.found))
            list.files.append(file.second);
    }
    return list;
}

bool isAlgorithmFileName(const QString &name)
{
    return name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

QString canonicalPath(const QString &path)
{
#ifdef Q_OS_UNIX
    char *resolved = ::realpath(fileNameToSystem(path).constData(), nullptr);
    if (!resolved)
        return {};
    const QString canonical = fileNameFromSystem(QByteArray(resolved));
    std::free(resolved);
    return canonical;
#else
    return QFileInfo(path).canonicalFilePath();
#endif
}
