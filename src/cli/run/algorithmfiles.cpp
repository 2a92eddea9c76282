#include "cli/run/algorithmfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

struct FolderWalk
{
    bool recursive = false;
    QSet<QString> visited;                   // canonical paths of the folders looked through
    QList<QPair<QByteArray, QString>> found; // the sort key (the path below the folder) and the path
    AlgorithmFileList *list = nullptr;
};

bool isAlgorithmName(const QString &name)
{
    return name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
}

void walkFolder(FolderWalk &walk, const QString &folder, const QString &below)
{
    const QString shown = QDir::toNativeSeparators(folder);
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (walk.visited.contains(canonical)) {
        walk.list->notes.append(QStringLiteral("папка %1 пропущена: она ведёт в уже просмотренную папку %2")
                                    .arg(shown, QDir::toNativeSeparators(canonical)));
        return;
    }
    walk.visited.insert(canonical);
    const QDir dir(folder);
    if (!dir.isReadable()) {
        walk.list->errors.append(QStringLiteral("папка %1 не читается: её файлы не проверены").arg(shown));
        return;
    }
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString relative =
            below.isEmpty() ? entry.fileName() : below + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            if (walk.recursive)
                walkFolder(walk, entry.filePath(), relative);
        } else if (isAlgorithmName(entry.fileName())) {
            walk.found.append({QFile::encodeName(relative), entry.filePath()});
        }
    }
}

} // namespace

AlgorithmFileList expandAlgorithmFiles(const QStringList &arguments, bool recursive)
{
    AlgorithmFileList list;
    for (const QString &argument : arguments) {
        if (!QFileInfo(argument).isDir()) {
            list.files.append(argument);
            continue;
        }
        FolderWalk walk;
        walk.recursive = recursive;
        walk.list = &list;
        walkFolder(walk, argument, QString());
        std::stable_sort(walk.found.begin(), walk.found.end(),
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
