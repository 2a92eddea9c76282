#include "app/editing/panels/windows1251guard.h"

#include "app/editing/editormessage.h"
#include "common/textencoding.h"

#include <QLineEdit>

Windows1251Guard::Windows1251Guard(QLineEdit *edit)
    : QObject(edit)
    , m_edit(edit)
    , m_accepted(edit->text())
{
    connect(edit, &QLineEdit::textChanged, this, &Windows1251Guard::textChanged);
    connect(edit, &QLineEdit::textEdited, this, &Windows1251Guard::textEdited);
}

QString Windows1251Guard::refusalMessage(const QString &character)
{
    return QStringLiteral("Символ «%1» нельзя записать в файл алгоритма:\n"
                          "файл пишется в кодировке Windows-1251, в которой его нет.")
        .arg(character);
}

void Windows1251Guard::textChanged(const QString &text)
{
    if (firstOutsideWindows1251(text) < 0)
        m_accepted = text;
}

void Windows1251Guard::textEdited(const QString &text)
{
    qsizetype first = firstOutsideWindows1251(text);
    if (first < 0)
        return;
    // A character outside the Basic Multilingual Plane is two UTF-16 units; name it whole.
    const qsizetype length = text.at(first).isHighSurrogate() && first + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(first, length);
    const int cursor = m_edit->cursorPosition();
    m_edit->setText(m_accepted);
    m_edit->setCursorPosition(qMin(cursor - int(text.size() - m_accepted.size()), int(m_accepted.size())));
    showEditorMessage(m_edit->window(), refusalMessage(character));
}
