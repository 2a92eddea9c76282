#include "help/helptopics.h"

#include <QRegularExpression>

#include <array>
#include <utility>

QString lineTopic(LineKind kind)
{
    switch (kind) {
    case LineKind::Step: return QStringLiteral("step");
    case LineKind::Jump: return QStringLiteral("jump");
    case LineKind::Turn: return QStringLiteral("turn");
    case LineKind::BranchIfWall:
    case LineKind::BranchIfNoWall:
    case LineKind::BranchOther:
    case LineKind::Then:
    case LineKind::Else:
    case LineKind::BranchEnd: return QStringLiteral("branch");
    case LineKind::LoopIfWall:
    case LineKind::LoopIfNoWall:
    case LineKind::LoopOther:
    case LineKind::LoopBegin:
    case LineKind::LoopEnd: return QStringLiteral("loop");
    case LineKind::ProcedureHead:
    case LineKind::ProcedureEnd: return QStringLiteral("procedure");
    case LineKind::Call: return QStringLiteral("call");
    case LineKind::Comment: return QStringLiteral("comment");
    case LineKind::Blank:
    case LineKind::Title:
    case LineKind::Given:
    case LineKind::Goal:
    case LineKind::Begin:
    case LineKind::End:
    case LineKind::Other: break;
    }
    return QStringLiteral("algorithm");
}

QString messageTopic(const QString &message)
{
    // Patterns of the messages' fixed words, the variable parts (names, numbers, reasons)
    // left open; the first that matches names the page.
    static const std::array<std::pair<QRegularExpression, const char *>, 22> topics{{
        {QRegularExpression(QStringLiteral("^НЕ МОГУ - СТЕНА")), "msg-wall"},
        {QRegularExpression(QStringLiteral("^Алгоритм исполнен\\nпри расположении стен")), "msg-arrangement"},
        {QRegularExpression(QStringLiteral("^В алгоритме не хватает строки")), "msg-missing-line"},
        {QRegularExpression(QStringLiteral("^Слишком много вложенных вызовов процедур")),
         "msg-calls-too-deep"},
        {QRegularExpression(QStringLiteral("^Введите имя новой процедуры$")), "msg-procedure-name"},
        {QRegularExpression(QStringLiteral("^Имя процедуры должно начинаться с буквы$")),
         "msg-procedure-name"},
        {QRegularExpression(QStringLiteral("^Процедура с именем .* уже описана$")), "msg-procedure-name"},
        {QRegularExpression(QStringLiteral("^Нельзя удалить процедуру")), "msg-procedure-called"},
        {QRegularExpression(QStringLiteral("^Символ «.*» нельзя записать в файл алгоритма")),
         "msg-character"},
        {QRegularExpression(QStringLiteral("^Сохранить алгоритм в файле\\?$")), "msg-save-question"},
        {QRegularExpression(QStringLiteral("^Файл .* уже существует\\.\\nЗаменить его\\?$")),
         "msg-save-question"},
        {QRegularExpression(QStringLiteral("^Файл .* записан в кодировке UTF-8")), "msg-algorithm-file"},
        {QRegularExpression(QStringLiteral("^Файл .* слишком велик для алгоритма")), "msg-algorithm-file"},
        {QRegularExpression(QStringLiteral("^Не удалось (создать|открыть|записать) файл")),
         "msg-algorithm-file"},
        {QRegularExpression(QStringLiteral("^Не удалось начать печать")), "msg-print"},
        {QRegularExpression(QStringLiteral("^Ошибка в файле задач")), "msg-task-file"},
        {QRegularExpression(QStringLiteral("^Не найден (файл|путь) ")), "msg-task-file"},
        {QRegularExpression(QStringLiteral("^Не удаётся прочитать (файл|рисунок) ")), "msg-task-file"},
        {QRegularExpression(QStringLiteral("^Файл .* слишком велик для файла задачи")), "msg-task-file"},
        {QRegularExpression(QStringLiteral("^'.*' is not a valid integer value$")), "msg-task-file"},
        {QRegularExpression(QStringLiteral("^В имени и фамилии допустимы")), "msg-registration"},
        {QRegularExpression(QStringLiteral("^Введите имя и фамилию или название команды$")),
         "msg-registration"},
    }};
    for (const auto &[pattern, page] : topics) {
        if (pattern.match(message).hasMatch())
            return QString::fromLatin1(page);
    }
    return {};
}
