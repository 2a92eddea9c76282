#include "app/editing/files/algorithmfileactions.h"

#include "app/editing/editormessage.h"
#include "app/editing/files/algorithmfiledialogs.h"
#include "app/editing/files/standardfiledialogs.h"
#include "editor/algorithmfile.h"

AlgorithmFileActions::AlgorithmFileActions(std::unique_ptr<AlgorithmFileDialogs> dialogs)
    : m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<StandardFileDialogs>())
{
}

AlgorithmFileActions::~AlgorithmFileActions() = default;

bool AlgorithmFileActions::save(QWidget *parent, const QStringList &lines)
{
    const QString fileName = m_dialogs->saveFileName(parent);
    if (fileName.isEmpty())
        return false;
    EncodedText::Encoding encoding = EncodedText::Encoding::Windows1251;
    const QString error = writeAlgorithmFile(fileName, lines, FileWriteFault::None, &encoding);
    if (!error.isEmpty()) {
        showFileError(parent, error);
        return false;
    }
    // Nothing is lost, but the pupil should know that the file is not Windows-1251.
    if (encoding == EncodedText::Encoding::Utf8OutsideWindows1251)
        showEditorMessage(parent, writtenAsUtf8Message(fileName));
    return true;
}

std::optional<QStringList> AlgorithmFileActions::load(QWidget *parent)
{
    const QString fileName = m_dialogs->openFileName(parent);
    if (fileName.isEmpty())
        return std::nullopt;
    AlgorithmFileResult result = readAlgorithmFile(fileName);
    if (!result.isOk()) {
        showFileError(parent, result.error);
        return std::nullopt;
    }
    return std::move(result.lines);
}
