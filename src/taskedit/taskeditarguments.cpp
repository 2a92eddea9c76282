#include "taskedit/taskeditarguments.h"

TaskEditArguments TaskEditArguments::parse(const QStringList &arguments)
{
    TaskEditArguments parsed;
    bool optionsEnded = false;
    QStringList folders;
    for (const QString &argument : arguments) {
        // "--" lets a folder whose name begins with "-" be named.
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded
                   && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return {Action::Help, QString(), QString()};
        } else if (!optionsEnded && argument == QLatin1String("--version")) {
            return {Action::Version, QString(), QString()};
        } else if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            parsed.mistake = QStringLiteral("неизвестный параметр %1").arg(argument);
        } else {
            folders.append(argument);
        }
    }
    if (parsed.mistake.isEmpty() && folders.size() > 1)
        parsed.mistake =
            QStringLiteral("можно указать только одну папку задачи, указано %1").arg(folders.size());
    if (!parsed.mistake.isEmpty()) {
        parsed.action = Action::Mistake;
        return parsed;
    }
    if (!folders.isEmpty())
        parsed.folder = folders.first();
    return parsed;
}

QString TaskEditArguments::helpText()
{
    return QStringLiteral(R"(shagaika-tasks — редактор задач Шагайки для учителя

Использование:
  shagaika-tasks [ПАПКА]

Открывает задачу из папки ПАПКА (файл Zerid.txt и, для задачи на рисование,
картинка zerid.bmp). Вместо папки можно назвать файл в ней, например её
Zerid.txt. В папке без Zerid.txt начинается новая задача, которая будет
сохранена в эту папку. Без ПАПКИ открывается задача текущей папки, а если
в ней нет Zerid.txt — новая задача.

Параметры:
  --help       эта справка
  --version    версия программы
  --           дальше только папка, даже если её имя начинается с "-"
)");
}

QString TaskEditArguments::versionText()
{
    return QStringLiteral("shagaika-tasks %1").arg(QStringLiteral(SHAGAIKA_VERSION));
}
