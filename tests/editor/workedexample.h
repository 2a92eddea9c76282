#pragma once

#include <QStringList>

// The algorithm that a pupil builds in the editor's worked example: a loop, a branch,
// and a call of a procedure described after "КОН".
inline const QStringList workedExample{"АЛГОРИТМ ПУТЬ_0",
                                       "    Дано: Исполнитель в т.А",
                                       "    Надо: Исполнитель в т.Б",
                                       "НАЧ",
                                       "    ПОКА впереди НЕ стена",
                                       "    НЦ",
                                       "        ШАГ",
                                       "    КЦ",
                                       "    ЕСЛИ впереди стена",
                                       "       ТО",
                                       "           ПОВОРОТ",
                                       "       ИНАЧЕ",
                                       "           ДЕЛАЙ угол",
                                       "    ВСЁ",
                                       "КОН",
                                       "ПРОЦЕДУРА угол",
                                       "    ПОВОРОТ",
                                       "КОНЕЦ ПРОЦЕДУРЫ"};
