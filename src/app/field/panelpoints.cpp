#include "app/field/panelpoints.h"

#include "app/common/hint.h"
#include "app/editing/panels/updown.h"
#include "app/work/workwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>

namespace {

QLineEdit *numberEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->setFixedWidth(33);
    return edit;
}

UpDown *upDownFor(const QString &name, QLineEdit *edit, QWidget *parent)
{
    auto *upDown = new UpDown(edit, parent);
    upDown->setObjectName(name);
    return upDown;
}

} // namespace

PanelPoints::PanelPoints(WorkWindow &window)
    : QFrame(window.centralWidget())
    , m_window(window)
{
    setObjectName(QStringLiteral("PanelPoints"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    Hint::apply(this,
                QStringLiteral("Закройте панель точек щелчком на ней|Закройте панель точек щелчком на ней"));
    setGeometry(40, 72, 681, 41);

    CheckBoxA = new QCheckBox(QStringLiteral("т.А"), this);
    CheckBoxA->setObjectName(QStringLiteral("CheckBoxA"));
    CheckBoxA->setChecked(true);
    EditAX = numberEdit(QStringLiteral("EditAX"), this);
    UpDownAX = upDownFor(QStringLiteral("UpDownAX"), EditAX, this);
    EditAY = numberEdit(QStringLiteral("EditAY"), this);
    UpDownAY = upDownFor(QStringLiteral("UpDownAY"), EditAY, this);
    ComboBoxTo = new QComboBox(this);
    ComboBoxTo->setObjectName(QStringLiteral("ComboBoxTo"));
    ComboBoxTo->setEditable(true);
    ComboBoxTo->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxTo->setCompleter(nullptr);
    ComboBoxTo->addItems(
        {QStringLiteral("вправо"), QStringLiteral("вверх"), QStringLiteral("влево"), QStringLiteral("вниз")});
    ComboBoxTo->setCurrentIndex(-1);
    ComboBoxTo->setEditText(QStringLiteral("вправо"));
    ComboBoxTo->setFixedWidth(89);
    CheckBoxB = new QCheckBox(QStringLiteral("т.Б"), this);
    CheckBoxB->setObjectName(QStringLiteral("CheckBoxB"));
    EditBX = numberEdit(QStringLiteral("EditBX"), this);
    UpDownBX = upDownFor(QStringLiteral("UpDownBX"), EditBX, this);
    EditBY = numberEdit(QStringLiteral("EditBY"), this);
    UpDownBY = upDownFor(QStringLiteral("UpDownBY"), EditBY, this);

    // A chosen item gives its heading until the pupil types over it.
    connect(ComboBoxTo->lineEdit(), &QLineEdit::textEdited, this, [this] { m_headingTyped = true; });
    connect(ComboBoxTo, &QComboBox::activated, this, [this] { m_headingTyped = false; });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    const auto label = [this](const QString &text) { return new QLabel(text, this); };
    layout->addWidget(CheckBoxA);
    layout->addSpacing(8);
    for (auto [name, edit, upDown] :
         {std::tuple{"X=", EditAX, UpDownAX}, std::tuple{"Y=", EditAY, UpDownAY}}) {
        layout->addWidget(label(QString::fromLatin1(name)));
        layout->addWidget(edit);
        layout->addWidget(upDown);
        layout->addSpacing(8);
    }
    layout->addWidget(label(QStringLiteral("Направление=")));
    layout->addWidget(ComboBoxTo);
    layout->addSpacing(24);
    layout->addWidget(CheckBoxB);
    layout->addSpacing(8);
    for (auto [name, edit, upDown] :
         {std::tuple{"X=", EditBX, UpDownBX}, std::tuple{"Y=", EditBY, UpDownBY}}) {
        layout->addWidget(label(QString::fromLatin1(name)));
        layout->addWidget(edit);
        layout->addWidget(upDown);
        layout->addSpacing(8);
    }
    layout->addStretch();

    hide();
    window.setPointsPanel(this);
    connect(&window, &WorkWindow::pointsRequested, this, &PanelPoints::nMainPointsClick);
    connect(&window, &WorkWindow::fieldSizeChanged, this, [this](int size) { setUpperLimit(size - 1); });
}

void PanelPoints::setUpperLimit(int limit)
{
    for (UpDown *upDown : upDowns())
        upDown->setMaximum(limit);
}

qint16 PanelPoints::heading() const
{
    return m_headingTyped ? qint16(0) : headingOfItem(ComboBoxTo->currentIndex());
}

PointsEntry PanelPoints::entry() const
{
    PointsEntry entry;
    entry.startSet = CheckBoxA->isChecked();
    entry.startColumn = EditAX->text();
    entry.startRow = EditAY->text();
    entry.startHeading = heading();
    entry.pointBSet = CheckBoxB->isChecked();
    entry.pointBColumn = EditBX->text();
    entry.pointBRow = EditBY->text();
    return entry;
}

QLineEdit *PanelPoints::edit(PointsEntry::Field field) const
{
    switch (field) {
    case PointsEntry::StartColumn: return EditAX;
    case PointsEntry::StartRow: return EditAY;
    case PointsEntry::PointBColumn: return EditBX;
    case PointsEntry::PointBRow: break;
    }
    return EditBY;
}

void PanelPoints::nMainPointsClick()
{
    if (m_window.isRunning())
        return;
    setVisible(!isVisible());
    if (!isVisible())
        applyPoints();
    setUpperLimit(m_window.world().fieldSize - 1);
}

void PanelPoints::panelPointsClick()
{
    if (m_window.isRunning())
        return;
    hide();
    applyPoints();
}

bool PanelPoints::applyPoints()
{
    World &world = m_window.world();
    const PointsReading reading = readPointsEntry(entry(), world.fieldSize);
    if (!reading.isOk()) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), reading.error, QMessageBox::Ok,
                        &m_window);
        box.exec();
        show();
        QLineEdit *bad = edit(reading.badField);
        bad->setFocus();
        bad->selectAll();
        return false;
    }
    FieldScene &scene = m_window.scene();
    scene.drawEmptyField();
    world.start = reading.start;
    world.pointB = reading.pointB;
    scene.drawTaskObjects(world);
    m_window.refreshFieldView();
    return true;
}

void PanelPoints::mousePressEvent(QMouseEvent *event)
{
    // Labels pass their clicks on; only the panel's own surface closes it.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        panelPointsClick();
    QFrame::mousePressEvent(event);
}
