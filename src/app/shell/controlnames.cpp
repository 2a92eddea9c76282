#include "app/shell/controlnames.h"

#include <QAbstractButton>
#include <QWidget>

#include <utility>

void nameControls(QWidget &window)
{
    static const std::pair<const char *, const char *> names[] = {
        {"Image1", "Шагайка"},
        {"MainMenu", "Этапы работы"},
        {"ToolBarAlg", "Выполнение алгоритма"},
        {"qt_toolbar_ext_button", "Другие кнопки"},
        {"pnlTskNew", "Задача"},
        {"lstTsk", "Условие задачи"},
        {"PPPanelSystCom", "Система команд"},
        {"lstCom", "Алгоритм"},
        {"lstComBreakpoints", "Точки останова"},
        {"ListStatist", "Статистика"},
        {"pnl1", "Рабочее поле"},
        {"PanelX", "Номера столбцов"},
        {"PanelY", "Номера строк"},
        {"pnlMain", "Поле"},
        {"PanelCalls", "Вызовы"},
        {"ListCalls", "Вызовы процедур"},
        {"PanelIf", "Ветвление"},
        {"PanelWhile", "Цикл"},
        {"PanelProc", "Процедура"},
        {"ListBoxProc", "Имена процедур"},
        {"EditNewProc", "Имя новой процедуры"},
        {"PanelComment", "Комментарий"},
        {"EditComment", "Текст комментария"},
        {"pnlPattern", "Образец"},
        {"imagePattern", "Рисунок образца"},
        {"closePattern", "Закрыть образец"},
        {"StatusBar1", "Строка состояния"},
        {"PanelPasses", "Прогоны"},
        {"ListPasses", "Прогоны алгоритма"},
    };
    // Captions spaced out with blanks (" Старт", "ШАГ            F2") are read without them.
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        const QString caption = button->text().remove(QLatin1Char('&'));
        if (button->accessibleName().isEmpty() && caption.simplified() != caption)
            button->setAccessibleName(caption.simplified());
    }
    for (const auto &[objectName, name] : names) {
        for (QWidget *control : window.findChildren<QWidget *>(QString::fromLatin1(objectName))) {
            if (control->accessibleName().isEmpty())
                control->setAccessibleName(QString::fromUtf8(name));
        }
    }
}
