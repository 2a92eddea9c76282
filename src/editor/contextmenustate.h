#pragma once

class AlgorithmText;
class QString;

// The lines that may be deleted one by one: a command, a call, a comment or a blank line.
bool isSimpleLine(const QString &line);

// Which items of the algorithm list's context menu are enabled for the current line.
// The separators are not items.
struct ContextMenuState
{
    bool deleteLine = true;           // "Удалить строку"
    bool deleteConstruct = true;      // "Удалить конструкцию"
    bool deleteElseBranch = true;     // "Удалить ветвь ИНАЧЕ"
    bool deleteProcedure = true;      // "Удалить процедуру"
    bool deleteWholeAlgorithm = true; // "Удалить тело алгоритма "
    bool insertBlankLine = true;      // "Вставить пустую строку"
    bool insertComment = true;        // "Вставить комментарии"
    bool saveAlgorithm = true;        // "Сохранить алгоритм в файле"
    bool loadAlgorithm = true;        // "Загрузить алгоритм из файла"

    bool operator==(const ContextMenuState &) const = default;
};

// The menu offers only the deletions that fit the current line. Without a current
// line nothing can be deleted or inserted at it; the whole algorithm can still be
// replaced and the file items stay.
ContextMenuState contextMenuState(const AlgorithmText &text);
