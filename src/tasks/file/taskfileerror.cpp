#include "tasks/file/taskfileerror.h"

#include "common/printablename.h"

namespace {

// The caption of the reports that the system makes for a failed conversion or file
// operation: the application's title.
QString systemReportCaption()
{
    return QStringLiteral("SHAGAIKA_ZERID");
}
QString developersCaption()
{
    return QStringLiteral("Ошибка. Обратитесь к разработчикам");
}
QString reinstallCaption()
{
    return QStringLiteral("Ошибка. Переустановите \"Шагайку\"");
}

} // namespace

TaskFileError TaskFileError::badTaskFile(int line, int column)
{
    return {QStringLiteral("Ошибка в файле задач"), developersCaption(), line, column};
}

TaskFileError TaskFileError::notAnInteger(const QString &text, int line, int column)
{
    return {QStringLiteral("'%1' is not a valid integer value").arg(printableName(text)),
            systemReportCaption(), line, column};
}

TaskFileError TaskFileError::fileNotFound(const QString &fileName)
{
    return {QStringLiteral("Не найден файл ") + fileName, systemReportCaption(), 0, 0};
}

TaskFileError TaskFileError::fileNotReadable(const QString &fileName, const QString &reason)
{
    QString message = QStringLiteral("Не удаётся прочитать файл ") + fileName;
    if (!reason.isEmpty())
        message += QStringLiteral(": ") + reason;
    return {message, systemReportCaption(), 0, 0};
}

TaskFileError TaskFileError::fileTooLarge(const QString &fileName)
{
    return {QStringLiteral("Файл %1 слишком велик для файла задачи (больше 4 Мбайт)").arg(fileName),
            systemReportCaption(), 0, 0};
}

TaskFileError TaskFileError::patternNotFound(const QString &fileName)
{
    return {QStringLiteral("Не найден файл ") + fileName, reinstallCaption(), 0, 0};
}
