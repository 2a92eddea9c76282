#include "app/field/panelpoints.h"

#include "app/common/hint.h"
#include "app/editing/panels/updown.h"
#include "session/worksession.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>

namespace {

// The edit is named for a screen reader by its point and coordinate ("Точка А, X"), its
// arrows by the same name.
QLineEdit *numberEdit(const QString &name, const QString &accessibleName, QWidget *parent)
{
    auto *edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setFixedWidth(33);
    return edit;
}

UpDown *upDownFor(const QString &name, QLineEdit *edit, QWidget *parent)
{
    auto *upDown = new UpDown(edit, parent);
    upDown->setObjectName(name);
    upDown->setAccessibleName(edit->accessibleName());
    return upDown;
}

} // namespace

PanelPoints::PanelPoints(WorkSession &session, QWidget &client)
    : QFrame(&client)
    , m_session(session)
{
    setObjectName(QStringLiteral("PanelPoints"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    Hint::apply(this,
                QStringLiteral("Закройте панель точек щелчком на ней|Закройте панель точек щелчком на ней"));
    setGeometry(40, 72, 681, 41);
    setAccessibleName(QStringLiteral("Точки А и Б"));

    m_startSet = new QCheckBox(QStringLiteral("т.А"), this);
    m_startSet->setObjectName(QStringLiteral("CheckBoxA"));
    m_startSet->setAccessibleName(QStringLiteral("Точка А задана"));
    m_startSet->setChecked(true);
    m_startColumn = numberEdit(QStringLiteral("EditAX"), QStringLiteral("Точка А, X"), this);
    m_startColumnSteps = upDownFor(QStringLiteral("UpDownAX"), m_startColumn, this);
    m_startRow = numberEdit(QStringLiteral("EditAY"), QStringLiteral("Точка А, Y"), this);
    m_startRowSteps = upDownFor(QStringLiteral("UpDownAY"), m_startRow, this);
    m_heading = new QComboBox(this);
    m_heading->setObjectName(QStringLiteral("ComboBoxTo"));
    m_heading->setAccessibleName(QStringLiteral("Направление в точке А"));
    m_heading->setEditable(true);
    m_heading->setInsertPolicy(QComboBox::NoInsert);
    m_heading->setCompleter(nullptr);
    m_heading->addItems(
        {QStringLiteral("вправо"), QStringLiteral("вверх"), QStringLiteral("влево"), QStringLiteral("вниз")});
    m_heading->setCurrentIndex(-1);
    m_heading->setEditText(QStringLiteral("вправо"));
    m_heading->setFixedWidth(89);
    m_heading->lineEdit()->setAccessibleName(m_heading->accessibleName());
    m_heading->view()->setAccessibleName(m_heading->accessibleName());
    m_pointBSet = new QCheckBox(QStringLiteral("т.Б"), this);
    m_pointBSet->setObjectName(QStringLiteral("CheckBoxB"));
    m_pointBSet->setAccessibleName(QStringLiteral("Точка Б задана"));
    m_pointBColumn = numberEdit(QStringLiteral("EditBX"), QStringLiteral("Точка Б, X"), this);
    m_pointBColumnSteps = upDownFor(QStringLiteral("UpDownBX"), m_pointBColumn, this);
    m_pointBRow = numberEdit(QStringLiteral("EditBY"), QStringLiteral("Точка Б, Y"), this);
    m_pointBRowSteps = upDownFor(QStringLiteral("UpDownBY"), m_pointBRow, this);

    // A chosen item gives its heading until the pupil types over it.
    connect(m_heading->lineEdit(), &QLineEdit::textEdited, this, [this] { m_headingTyped = true; });
    connect(m_heading, &QComboBox::activated, this, [this] { m_headingTyped = false; });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    const auto label = [this](const QString &text) { return new QLabel(text, this); };
    // A point's switch, then its column and row, each with its arrows.
    const auto addPoint = [&](QWidget *set, QLineEdit *column, UpDown *columnSteps, QLineEdit *row,
                              UpDown *rowSteps) {
        layout->addWidget(set);
        layout->addSpacing(8);
        for (auto [name, edit, upDown] :
             {std::tuple{"X=", column, columnSteps}, std::tuple{"Y=", row, rowSteps}}) {
            layout->addWidget(label(QString::fromLatin1(name)));
            layout->addWidget(edit);
            layout->addWidget(upDown);
            layout->addSpacing(8);
        }
    };
    addPoint(m_startSet, m_startColumn, m_startColumnSteps, m_startRow, m_startRowSteps);
    layout->addWidget(label(QStringLiteral("Направление=")));
    layout->addWidget(m_heading);
    layout->addSpacing(24);
    addPoint(m_pointBSet, m_pointBColumn, m_pointBColumnSteps, m_pointBRow, m_pointBRowSteps);
    layout->addStretch();

    hide();
    connect(&session, &WorkSession::fieldSizeChanged, this, [this](int size) { setUpperLimit(size - 1); });
}

void PanelPoints::setUpperLimit(int limit)
{
    for (UpDown *upDown : upDowns())
        upDown->setMaximum(limit);
}

qint16 PanelPoints::heading() const
{
    return m_headingTyped ? qint16(0) : headingOfItem(m_heading->currentIndex());
}

PointsEntry PanelPoints::entry() const
{
    PointsEntry entry;
    entry.startSet = m_startSet->isChecked();
    entry.startColumn = m_startColumn->text();
    entry.startRow = m_startRow->text();
    entry.startHeading = heading();
    entry.pointBSet = m_pointBSet->isChecked();
    entry.pointBColumn = m_pointBColumn->text();
    entry.pointBRow = m_pointBRow->text();
    return entry;
}

QLineEdit *PanelPoints::edit(PointsEntry::Field field) const
{
    switch (field) {
    case PointsEntry::StartColumn: return m_startColumn;
    case PointsEntry::StartRow: return m_startRow;
    case PointsEntry::PointBColumn: return m_pointBColumn;
    case PointsEntry::PointBRow: break;
    }
    return m_pointBRow;
}

void PanelPoints::nMainPointsClick()
{
    if (m_session.isRunning())
        return;
    if (isHidden()) {
        m_focusReturn.remember(*this);
        show();
        // Opened from the keyboard, the panel is filled in from the keyboard: the number
        // typed first replaces the start column, and the cursor shows where the keys go.
        m_startColumn->setFocus(Qt::OtherFocusReason);
        m_startColumn->selectAll();
    } else {
        hide();
        applyPoints();
    }
    setUpperLimit(m_session.world().fieldSize - 1);
}

void PanelPoints::panelPointsClick()
{
    if (m_session.isRunning())
        return;
    hide();
    applyPoints();
}

bool PanelPoints::applyPoints()
{
    const PointsReading reading = readPointsEntry(entry(), m_session.world().fieldSize);
    if (!reading.isOk()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), reading.error, QMessageBox::Ok,
                        window());
        box.exec();
        show();
        QLineEdit *bad = edit(reading.badField);
        bad->setFocus();
        bad->selectAll();
        return false;
    }
    m_session.setPoints(reading.start, reading.pointB);
    return true;
}

void PanelPoints::mousePressEvent(QMouseEvent *event)
{
    // Labels pass their clicks on; only the panel's own surface closes it.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        panelPointsClick();
    QFrame::mousePressEvent(event);
}

void PanelPoints::hideEvent(QHideEvent *event)
{
    // The focus goes back where it was, or else on to the next control; where there is none
    // (in "Отладка" they are off) it would stay in a hidden edit, and the keys typed next
    // would change numbers nobody sees.
    m_focusReturn.release(*this, [this] { focusNextPrevChild(true); });
    QFrame::hideEvent(event);
}
