#pragma once

#include <QStringList>

#include <memory>
#include <optional>

class AlgorithmFileDialogs;
class QWidget;

// Saving the algorithm to a file and reading one, through the file dialogs. A file
// that cannot be written or read is reported to the pupil, naming the file and the
// reason; a failed save leaves the old file as it was.
class AlgorithmFileActions
{
public:
    // Without dialogs of its own it uses the window system's.
    explicit AlgorithmFileActions(std::unique_ptr<AlgorithmFileDialogs> dialogs = {});
    ~AlgorithmFileActions();

    // Whether the lines were written; false when the pupil cancelled or writing failed.
    bool save(QWidget *parent, const QStringList &lines);
    // The lines of the chosen file; nothing when the pupil cancelled or reading failed.
    std::optional<QStringList> load(QWidget *parent);

private:
    std::unique_ptr<AlgorithmFileDialogs> m_dialogs;
};
