#include "app/shell/registrationwindow.h"

#include "app/shell/boldseriffont.h"
#include "app/shell/pupilname.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

QIcon readyGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 130, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(3, 8), QPointF(7, 12), QPointF(13, 3)});
    return QIcon(pixmap);
}

bool isEnterKey(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Keys that move the focus, edit what is there or make no character: they never reach the
// name filter. The window system gives some of them a control character as text (Delete
// gives DEL), which the filter would take for a typed character.
bool makesNoCharacter(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: return true;
    case Qt::Key_Insert: return !event->matches(QKeySequence::Paste);
    default: break;
    }
    for (const auto editing : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Copy, QKeySequence::Cut,
                               QKeySequence::SelectAll}) {
        if (event->matches(editing))
            return true;
    }
    return event->text().isEmpty() && !event->matches(QKeySequence::Paste);
}

} // namespace

RegistrationWindow::RegistrationWindow(WorkOpener openWork, QWidget *parent)
    : QDialog(parent)
    , m_openWork(std::move(openWork))
{
    setObjectName(QStringLiteral("frmRegistrPupil"));
    setWindowTitle(QStringLiteral("Введите фамилию и имя"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(15);
    windowFont.setBold(true);
    setFont(windowFont);
    setFixedSize(399, 283);

    m_surnameLabel =
        addLabel(QStringLiteral("NamLab1"), QStringLiteral("Ваша фамилия:"), QPoint(25, 56), true);
    m_surname = addEdit(QStringLiteral("EditNam1"), QRect(152, 56, 200, 21));
    m_nameLabel = addLabel(QStringLiteral("NamLab2"), QStringLiteral("Ваше имя:"), QPoint(25, 114), true);
    m_name = addEdit(QStringLiteral("EditNam2"), QRect(150, 114, 200, 21));
    m_orLabel = addLabel(QStringLiteral("Label1"), QStringLiteral("или"), QPoint(160, 144), false);
    m_teamLabel = addLabel(QStringLiteral("Label2"), QStringLiteral("Ваша команда:"), QPoint(24, 176), true);
    m_team = addEdit(QStringLiteral("EditNam3"), QRect(152, 176, 201, 24));
    // A screen reader names each field by its label, without the colon.
    for (auto [label, edit] : {std::pair{m_surnameLabel, m_surname}, std::pair{m_nameLabel, m_name},
                               std::pair{m_teamLabel, m_team}}) {
        label->setBuddy(edit);
        edit->setAccessibleName(label->text().remove(QLatin1Char(':')));
    }

    m_ready = new QPushButton(readyGlyph(), QStringLiteral("Готово"), this);
    m_ready->setObjectName(QStringLiteral("ReadyBitB"));
    m_ready->setFont(boldSerifFont(13));
    m_ready->setGeometry(154, 238, 90, 28);
    m_ready->setAutoDefault(true);
    connect(m_ready, &QPushButton::clicked, this, &RegistrationWindow::readyBitBClick);

    // The button comes before the team's name in the tab order.
    setTabOrder(m_surname, m_name);
    setTabOrder(m_name, m_ready);
    setTabOrder(m_ready, m_team);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

QString RegistrationWindow::nameCharsError()
{
    return QStringLiteral("В имени и фамилии допустимы\nтолько русские буквы!");
}

QString RegistrationWindow::emptyNamesMessage()
{
    return QStringLiteral("Введите имя и фамилию или название команды");
}

QLabel *RegistrationWindow::addLabel(const QString &name, const QString &text, QPoint at, bool large)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    if (large)
        label->setFont(boldSerifFont(16));
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit *RegistrationWindow::addEdit(const QString &name, const QRect &geometry)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    // Only the keyboard goes through the name filter, so nothing may be pasted or dropped.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setAcceptDrops(false);
    edit->installEventFilter(this);
    return edit;
}

void RegistrationWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        emptyFields();
    }
}

void RegistrationWindow::keyPressEvent(QKeyEvent *event)
{
    // Only the close box cancels the registration.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RegistrationWindow::emptyFields()
{
    m_surname->clear();
    m_name->clear();
    m_team->clear();
    m_surname->setFocus();
}

bool RegistrationWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::yellow);
        edit->setPalette(palette);
        break;
    }
    case QEvent::FocusOut: edit->setPalette(QPalette()); break;
    case QEvent::KeyPress: return editKeyPress(edit, static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the X11 selection, past the name filter.
        return edit != m_team && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

bool RegistrationWindow::editKeyPress(QLineEdit *edit, QKeyEvent *event)
{
    if (isEnterKey(event)) {
        (edit == m_surname ? static_cast<QWidget *>(m_name) : m_ready)->setFocus();
        return true;
    }
    if (makesNoCharacter(event))
        return false;
    if (edit == m_team)
        // Esc must not close the window from here; every character is welcome.
        return event->key() == Qt::Key_Escape;
    // Pasting, by Ctrl+V or Shift+Insert alike, would bring in characters past the filter.
    if (event->matches(QKeySequence::Paste)) {
        rejectCharacter(edit);
        return true;
    }
    const QString text = event->text();
    for (const QChar c : text) {
        if (!PupilName::isNameChar(c)) {
            rejectCharacter(edit);
            return true;
        }
    }
    return false;
}

void RegistrationWindow::rejectCharacter(QLineEdit *edit)
{
    QApplication::beep();
    edit->clear();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), nameCharsError(), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("nameCharsErrorBox"));
    box.exec();
    activateWindow();
    emptyFields();
    // The rejected character leaves a blank behind, in the field where it was typed.
    edit->insert(QStringLiteral(" "));
}

void RegistrationWindow::readyBitBClick()
{
    if (m_surname->text().isEmpty() && m_name->text().isEmpty() && m_team->text().isEmpty()) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), emptyNamesMessage(),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("emptyNamesBox"));
        box.exec();
        // Letters typed next go into the surname, not onto the button; without a window
        // manager nobody else gives the window the keyboard back.
        activateWindow();
        m_surname->setFocus();
        return;
    }
    m_surname->setText(PupilName::normalised(m_surname->text(), true));
    m_name->setText(PupilName::normalised(m_name->text(), true));
    m_team->setText(PupilName::normalised(m_team->text(), false));
    hide();
    // Hidden for as long as the pupil works, the window need not hold its screen buffer.
    destroy();
    if (m_openWork)
        m_openWork(PupilName::workWindowCaption(m_surname->text(), m_name->text(), m_team->text()));
    accept();
}
