#include "taskedit/taskeditwindow.h"

#include "common/taskcollection.h"
#include "common/textencoding.h"
#include "editor/algorithmfile.h"
#include "help/helppages.h"
#include "helpview/helpwindow.h"
#include "judge/pointbcheck.h"
#include "judge/referencecheck.h"
#include "taskedit/patternmaker.h"
#include "taskedit/taskfieldview.h"
#include "taskedit/teacherquestion.h"
#include "tasks/check/patternpicture.h"
#include "tasks/check/taskvalidator.h"
#include "tasks/file/taskfilewriter.h"
#include "tasks/setup/taskfolder.h"
#include "world/model/wallmodel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

QString sizeName(int fieldSize)
{
    return QStringLiteral("%1 × %1").arg(fieldSize);
}

QString arrangementName(const QList<int> &arrangement)
{
    if (arrangement.isEmpty())
        return QString();
    QStringList parts;
    for (int selector : arrangement)
        parts.append(QString::number(selector));
    return QStringLiteral(", расстановка ") + parts.join(u'-');
}

QString edgeName(const WallVariant &variant)
{
    return QStringLiteral("%1 (%2,%3)")
        .arg(variant.isHorizontal() ? QStringLiteral("гориз.") : QStringLiteral("верт."))
        .arg(variant.column)
        .arg(variant.row);
}

// The screen decides the unit of the field as in the pupil's program; a window of the
// editor must also hold the panels beside the field, so the field is kept a little smaller.
int fieldLayoutUnit()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int width = screen ? screen->geometry().width() : 1024;
    return qBound(8, width / 100 - 2, 12);
}

// A file is hand-written when the writer would not write its task byte for byte alike.
bool isHandWritten(const QString &path, const TaskData &task)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<QByteArray> written = encodeWindows1251(layOutTaskFile(task).text);
    return !written || *written != file.readAll();
}

std::optional<QByteArray> fileBytes(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Lines after the last one with a letter are the Enter that closed it, not lines of the statement.
QStringList statementFromText(const QString &text)
{
    QStringList lines = text.split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

TaskEditWindow::TaskEditWindow(QWidget *parent)
    : QMainWindow(parent)
{
    buildWidgets();
    buildActions();
    m_referenceTimer = new QTimer(this);
    m_referenceTimer->setSingleShot(true);
    m_referenceTimer->setInterval(400);
    connect(m_referenceTimer, &QTimer::timeout, this, &TaskEditWindow::runReference);
    connect(&m_model, &TaskEditModel::changed, this, &TaskEditWindow::syncFromModel);
    m_model.reset(TaskEditModel::newTask());
}

void TaskEditWindow::buildWidgets()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    auto *left = new QVBoxLayout;
    auto *sizeRow = new QHBoxLayout;
    m_sizeTabs = new QTabBar(central);
    m_sizeTabs->setExpanding(false);
    // Every size of the task stays in sight: a size hidden behind scroll arrows is easily forgotten.
    m_sizeTabs->setUsesScrollButtons(false);
    m_sizeTabs->setElideMode(Qt::ElideNone);
    sizeRow->addWidget(m_sizeTabs);
    m_addSize = new QToolButton(central);
    m_addSize->setText(QStringLiteral("Добавить размер"));
    m_addSize->setPopupMode(QToolButton::InstantPopup);
    m_addSize->setMenu(new QMenu(m_addSize));
    sizeRow->addWidget(m_addSize);
    m_removeSize = new QPushButton(QStringLiteral("Убрать размер"), central);
    sizeRow->addWidget(m_removeSize);
    sizeRow->addStretch();
    left->addLayout(sizeRow);

    m_field = new TaskFieldView(&m_model, fieldLayoutUnit(), central);
    left->addWidget(m_field, 0, Qt::AlignLeft | Qt::AlignTop);
    m_problemsTitle = new QLabel(central);
    m_problemsTitle->setObjectName(QStringLiteral("problemsTitle"));
    m_problemsTitle->setWordWrap(true);
    left->addWidget(m_problemsTitle);
    m_problemList = new QListWidget(central);
    m_problemList->setObjectName(QStringLiteral("problems"));
    m_problemList->setMinimumHeight(90);
    // A message is read whole, without scrolling sideways.
    m_problemList->setWordWrap(true);
    m_problemList->setResizeMode(QListView::Adjust);
    m_problemList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    left->addWidget(m_problemList, 1);
    columns->addLayout(left, 0);

    auto *right = new QVBoxLayout;
    auto *statementBox = new QGroupBox(QStringLiteral("Условие задачи (что видит ученик)"), central);
    auto *statementLayout = new QVBoxLayout(statementBox);
    m_statement = new QPlainTextEdit(statementBox);
    m_statement->setObjectName(QStringLiteral("statement"));
    m_statement->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab goes on to the flags, as everywhere else in the window; a statement needs no tab characters.
    m_statement->setTabChangesFocus(true);
    // The window's history holds the statement's edits in order with the others; a history of
    // its own would undo typing behind the field's edits and record that undo as a new edit.
    m_statement->setUndoRedoEnabled(false);
    statementLayout->addWidget(m_statement);
    right->addWidget(statementBox, 2);

    auto *flagsBox = new QGroupBox(QStringLiteral("Задача"), central);
    auto *flags = new QFormLayout(flagsBox);
    m_pointB = new QCheckBox(QStringLiteral("Привести Шагайку в точку Б"), flagsBox);
    m_pointB->setObjectName(QStringLiteral("pointB"));
    m_pattern = new QCheckBox(QStringLiteral("Нарисовать по образцу (картинка zerid.bmp)"), flagsBox);
    m_singleSize = new QCheckBox(QStringLiteral("Только поле 12 × 12, без меню «Размер поля»"), flagsBox);
    m_singleSize->setObjectName(QStringLiteral("singleSize"));
    // Made in the order they are shown, which is the order Tab walks them.
    m_label = new QLineEdit(flagsBox);
    m_label->setObjectName(QStringLiteral("headerLabel"));
    m_label->setMaxLength(3);
    m_label->setMaximumWidth(60);
    m_reserved = new QSpinBox(flagsBox);
    m_reserved->setObjectName(QStringLiteral("reservedNumber"));
    m_reserved->setRange(-999, 9999);
    flags->addRow(m_pointB);
    flags->addRow(m_pattern);
    flags->addRow(m_singleSize);
    flags->addRow(QStringLiteral("Метка в заголовке:"), m_label);
    flags->addRow(QStringLiteral("Резервное число:"), m_reserved);
    right->addWidget(flagsBox);

    auto *wallsBox = new QGroupBox(QStringLiteral("Подвижные стенки этого размера (до трёх)"), central);
    auto *wallsLayout = new QVBoxLayout(wallsBox);
    m_variableWalls = new QListWidget(wallsBox);
    m_variableWalls->setMaximumHeight(80);
    wallsLayout->addWidget(m_variableWalls);
    m_removeVariableWall = new QPushButton(QStringLiteral("Убрать выбранную"), wallsBox);
    wallsLayout->addWidget(m_removeVariableWall);
    right->addWidget(wallsBox);

    auto *referenceBox = new QGroupBox(QStringLiteral("Эталонное решение"), central);
    auto *referenceLayout = new QVBoxLayout(referenceBox);
    auto *referenceButtons = new QHBoxLayout;
    auto *chooseReference = new QPushButton(QStringLiteral("Выбрать…"), referenceBox);
    m_rerunReference = new QPushButton(QStringLiteral("Проверить снова"), referenceBox);
    m_makePattern = new QPushButton(QStringLiteral("Сделать образец zerid.bmp"), referenceBox);
    referenceButtons->addWidget(chooseReference);
    referenceButtons->addWidget(m_rerunReference);
    referenceButtons->addWidget(m_makePattern);
    referenceLayout->addLayout(referenceButtons);
    m_referenceLabel = new QLabel(QStringLiteral("не выбрано"), referenceBox);
    m_referenceLabel->setWordWrap(true);
    referenceLayout->addWidget(m_referenceLabel);
    m_referenceList = new QListWidget(referenceBox);
    referenceLayout->addWidget(m_referenceList);
    right->addWidget(referenceBox, 2);
    columns->addLayout(right, 1);
    setCentralWidget(central);

    connect(m_sizeTabs, &QTabBar::currentChanged, this, [this] {
        m_field->setFieldSize(currentSize());
        syncFromModel();
    });
    connect(m_addSize->menu(), &QMenu::aboutToShow, this, [this] {
        QMenu *menu = m_addSize->menu();
        menu->clear();
        for (int size = TaskData::firstSize; size <= TaskData::lastSize; ++size) {
            QAction *action = menu->addAction(sizeName(size), this, [this, size] { addSizeFromMenu(size); });
            action->setEnabled(!m_model.offersSize(size));
        }
    });
    connect(m_removeSize, &QPushButton::clicked, this, &TaskEditWindow::removeCurrentSize);
    connect(m_problemList, &QListWidget::currentRowChanged, this, &TaskEditWindow::problemSelected);
    connect(m_statement, &QPlainTextEdit::textChanged, this, &TaskEditWindow::statementEdited);
    connect(m_pointB, &QCheckBox::toggled, &m_model, &TaskEditModel::setHasPointB);
    connect(m_pattern, &QCheckBox::toggled, &m_model, &TaskEditModel::setHasPattern);
    connect(m_singleSize, &QCheckBox::toggled, this, [this](bool single) {
        if (!m_model.setSingleSize(single))
            syncFromModel();
    });
    connect(m_reserved, &QSpinBox::valueChanged, &m_model, &TaskEditModel::setReservedNumber);
    connect(m_label, &QLineEdit::textEdited, &m_model, &TaskEditModel::setHeaderLabel);
    connect(m_removeVariableWall, &QPushButton::clicked, this, &TaskEditWindow::removeSelectedVariableWall);
    connect(chooseReference, &QPushButton::clicked, this, &TaskEditWindow::chooseReference);
    connect(m_rerunReference, &QPushButton::clicked, this, &TaskEditWindow::runReference);
    connect(m_makePattern, &QPushButton::clicked, this, &TaskEditWindow::makePattern);
    connect(m_field, &TaskFieldView::hintChanged, this,
            [this](const QString &text) { statusBar()->showMessage(text, 8000); });
}

void TaskEditWindow::buildActions()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->addAction(QStringLiteral("&Новая задача"), QKeySequence::New, this, &TaskEditWindow::newTask);
    file->addAction(QStringLiteral("&Открыть папку задачи…"), QKeySequence::Open, this,
                    &TaskEditWindow::openFolderDialog);
    file->addAction(QStringLiteral("&Сохранить"), QKeySequence::Save, this, [this] { save(); });
    // The platform's "save as" key is none on some desktops; the teacher gets one everywhere.
    file->addAction(QStringLiteral("Сохранить в &другую папку…"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this, [this] { saveToFolderDialog(); });
    file->addSeparator();
    file->addAction(QStringLiteral("В&ыход"), QKeySequence::Quit, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Правка"));
    m_undo = edit->addAction(QStringLiteral("&Отменить"), QKeySequence::Undo, &m_model, &TaskEditModel::undo);
    m_redo = edit->addAction(QStringLiteral("&Повторить"), &m_model, &TaskEditModel::redo);
    // The platform's redo key is Ctrl+Shift+Z on some desktops and Ctrl+Y on others; both work,
    // as in the pupil's program.
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    // The teacher's guide, in the help window the pupil's program shows its pages in.
    menuBar()
        ->addMenu(QStringLiteral("&Справка"))
        ->addAction(QStringLiteral("Руководство учителя"), QKeySequence(Qt::Key_F1), this, [this] {
            auto *help = findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
            (help ? help : new HelpWindow(this))->openPage(QString::fromLatin1(HelpPages::teacherPage));
        });

    QToolBar *tools = addToolBar(QStringLiteral("Инструменты"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addAction(m_undo);
    tools->addAction(m_redo);
    tools->addSeparator();
    auto *group = new QActionGroup(this);
    const struct
    {
        EditTool tool;
        QString text;
        QString tip;
        QKeySequence key;
    } toolTable[] = {
        {EditTool::Walls, QStringLiteral("Стены"),
         QStringLiteral(
             "Щелчок по ребру клетки ставит или убирает стену; протяните мышь вдоль рёбер, чтобы нарисовать "
             "несколько"),
         QKeySequence(Qt::Key_F2)},
        {EditTool::StartPoint, QStringLiteral("Точка А"),
         QStringLiteral("Щелчок по клетке ставит точку А; колесо мыши или пробел поворачивают Шагайку"),
         QKeySequence(Qt::Key_F3)},
        {EditTool::TargetPoint, QStringLiteral("Точка Б"), QStringLiteral("Щелчок по клетке ставит точку Б"),
         QKeySequence(Qt::Key_F4)},
        {EditTool::VariableWall, QStringLiteral("Подвижная стенка"),
         QStringLiteral(
             "Щёлкните два ребра — два положения подвижной стенки; щелчок по положению стенки убирает её"),
         QKeySequence(Qt::Key_F5)},
    };
    for (const auto &entry : toolTable) {
        QAction *action = tools->addAction(entry.text);
        action->setCheckable(true);
        action->setShortcut(entry.key);
        action->setToolTip(entry.tip + QStringLiteral(" (") + entry.key.toString(QKeySequence::NativeText)
                           + QStringLiteral(")"));
        action->setStatusTip(entry.tip);
        group->addAction(action);
        const EditTool tool = entry.tool;
        connect(action, &QAction::triggered, this, [this, tool] { setTool(tool); });
        m_toolActions.append(action);
    }
    m_toolActions.first()->setChecked(true);
    // The text boxes take Ctrl+Z for their own history; the window's history is the one.
    for (QWidget *box : std::initializer_list<QWidget *>{m_statement, m_label, m_reserved})
        box->installEventFilter(this);
    tools->addSeparator();
    QAction *turn = tools->addAction(QStringLiteral("Повернуть А"));
    turn->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    turn->setToolTip(QStringLiteral("Повернуть Шагайку в точке А против часовой стрелки (Ctrl+R)"));
    connect(turn, &QAction::triggered, this, [this] { m_model.turnStart(currentSize(), 1); });
    edit->addSeparator();
    edit->addAction(turn);
    edit->addAction(QStringLiteral("Убрать стены на &краю поля и за ним"), this,
                    &TaskEditWindow::removeOuterWalls)
        ->setObjectName(QStringLiteral("removeOuterWalls"));
}

bool TaskEditWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        if (m_undo->shortcuts().contains(pressed) || m_redo->shortcuts().contains(pressed)) {
            // Not taken by the box: the window's action gets the key.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TaskEditWindow::setTool(EditTool tool)
{
    m_field->setTool(tool);
    const int index = int(tool);
    if (index >= 0 && index < m_toolActions.size())
        m_toolActions.at(index)->setChecked(true);
    statusBar()->showMessage(m_toolActions.at(index)->statusTip(), 8000);
}

int TaskEditWindow::currentSize() const
{
    const int index = m_sizeTabs->currentIndex();
    if (index < 0)
        return TaskData::firstSize;
    return m_sizeTabs->tabData(index).toInt();
}

void TaskEditWindow::selectSize(int fieldSize)
{
    for (int i = 0; i < m_sizeTabs->count(); ++i) {
        if (m_sizeTabs->tabData(i).toInt() == fieldSize)
            m_sizeTabs->setCurrentIndex(i);
    }
}

void TaskEditWindow::syncSizeTabs()
{
    const QList<int> sizes = m_model.sizes();
    QList<int> shown;
    for (int i = 0; i < m_sizeTabs->count(); ++i)
        shown.append(m_sizeTabs->tabData(i).toInt());
    if (shown == sizes)
        return;
    const int current = currentSize();
    const QSignalBlocker blocker(m_sizeTabs);
    while (m_sizeTabs->count() > 0)
        m_sizeTabs->removeTab(0);
    for (int size : sizes) {
        const int index = m_sizeTabs->addTab(sizeName(size));
        m_sizeTabs->setTabData(index, size);
    }
    int select = 0;
    for (int i = 0; i < sizes.size(); ++i) {
        if (sizes.at(i) == current)
            select = i;
    }
    m_sizeTabs->setCurrentIndex(select);
    m_field->setFieldSize(currentSize());
}

void TaskEditWindow::syncFromModel()
{
    syncSizeTabs();
    const TaskData task = m_model.task();
    {
        const QSignalBlocker b1(m_pointB);
        const QSignalBlocker b2(m_pattern);
        const QSignalBlocker b3(m_singleSize);
        const QSignalBlocker b4(m_reserved);
        m_pointB->setChecked(task.hasPointB);
        m_pattern->setChecked(task.hasPattern);
        m_singleSize->setChecked(!task.sizeMenuEnabled);
        m_singleSize->setEnabled(m_model.sizes() == QList<int>{TaskData::firstSize});
        m_reserved->setValue(task.reservedNumber);
        if (m_label->text().leftJustified(3, u' ') != task.headerLabel)
            m_label->setText(task.headerLabel.trimmed());
    }
    // The text is set only when it says something else, so that typing keeps its cursor.
    QStringList typed;
    for (const QString &line : statementFromText(m_statement->toPlainText()))
        typed.append(line.isEmpty() ? QStringLiteral(" ") : line);
    if (typed != task.statement) {
        const QSignalBlocker blocker(m_statement);
        // Undo and redo keep the caret near where the teacher was typing.
        const int caret = m_statement->textCursor().position();
        m_statement->setPlainText(task.statement.join(u'\n'));
        QTextCursor cursor = m_statement->textCursor();
        cursor.setPosition(qMin(caret, m_statement->document()->characterCount() - 1));
        m_statement->setTextCursor(cursor);
    }

    const int size = currentSize();
    m_variableWalls->clear();
    if (task.offersSize(size)) {
        const QList<VariableWall> &walls = task.size(size).walls.variable;
        for (int i = 0; i < walls.size(); ++i)
            m_variableWalls->addItem(
                QStringLiteral("%1: положение 1 — %2, положение 2 — %3")
                    .arg(i + 1)
                    .arg(edgeName(walls.at(i).variant1), edgeName(walls.at(i).variant2)));
    }
    m_removeSize->setEnabled(m_model.sizes().size() > 1);
    m_undo->setEnabled(m_model.canUndo());
    m_redo->setEnabled(m_model.canRedo());
    m_makePattern->setEnabled(!m_referenceLines.isEmpty() && task.hasPattern);
    updateProblems();
    updateTitle();
    if (!m_referenceLines.isEmpty())
        m_referenceTimer->start();
}

void TaskEditWindow::updateTitle()
{
    const QString place =
        m_folder.isEmpty() ? QStringLiteral("новая задача") : QDir::toNativeSeparators(m_folder);
    setWindowTitle(QStringLiteral("%1[*] — Шагайка: редактор задач").arg(place));
    setWindowModified(m_model.isModified());
}

void TaskEditWindow::updateProblems()
{
    const TaskData task = m_model.task();
    m_layout = layOutTaskFile(task);
    m_problems = m_layout.problems;
    m_problems += validateTaskText(m_layout.text).problems;
    m_problems += unreachablePointB(task, m_layout);
    if (task.hasPattern) {
        const QString picture = m_folder.isEmpty() ? QString() : TaskFolder(m_folder).patternFilePath();
        if (picture.isEmpty()) {
            m_problems.append(
                {1, 7,
                 QStringLiteral("задача на рисование по образцу, но картинки %1 в папке задачи нет: "
                                "выберите эталон и сделайте её")
                     .arg(TaskFolder::patternFileName())});
        } else if (const PatternPicture pattern = readPatternPicture(picture); !pattern.isOk()) {
            // The pupil's program would refuse it: a picture that is there is not enough.
            m_problems.append({1, 7,
                               QStringLiteral("картинка образца %1 не читается: %2; выберите эталон и "
                                              "сделайте её заново")
                                   .arg(QFileInfo(picture).fileName(), pattern.reason)});
        }
    }
    sortByLine(m_problems);
    updateProblemsTitle();

    const QSignalBlocker blocker(m_problemList);
    m_problemList->clear();
    QList<TaskFilePlace> marked;
    for (const TaskProblem &problem : std::as_const(m_problems)) {
        auto *item = new QListWidgetItem(QStringLiteral("строка %1, столбец %2: %3")
                                             .arg(problem.line)
                                             .arg(problem.column)
                                             .arg(problem.message),
                                         m_problemList);
        item->setForeground(QColor(170, 0, 0));
        if (const TaskFilePlace *place = m_layout.placeAt(problem.line, problem.column))
            marked.append(*place);
    }
    if (m_problems.isEmpty())
        new QListWidgetItem(QStringLiteral("Замечаний нет: задача загрузится у ученика."), m_problemList);
    m_field->setMarkedPlaces(marked, std::nullopt);
}

// The places in the list are those of the file a save writes; the teacher is told when the
// file on disk is not that file.
void TaskEditWindow::updateProblemsTitle()
{
    QString whose = QStringLiteral("в файле Zerid.txt");
    if (!m_diskBytes)
        whose += QStringLiteral(", каким его запишет сохранение");
    else if (encodeWindows1251(m_layout.text) != m_diskBytes)
        whose += QStringLiteral(", каким его запишет сохранение; файл на диске сейчас другой");
    m_problemsTitle->setText(QStringLiteral("Замечания к задаче (строка и столбец %1):").arg(whose));
}

void TaskEditWindow::removeOuterWalls()
{
    const int removed = m_model.removeOuterWalls();
    statusBar()->showMessage(removed == 0
                                 ? QStringLiteral("Стен на краю поля и за ним нет")
                                 : QStringLiteral("Убрано стен на краю поля и за ним: %1").arg(removed),
                             8000);
}

void TaskEditWindow::problemSelected()
{
    const int row = m_problemList->currentRow();
    if (row < 0 || row >= m_problems.size())
        return;
    const TaskProblem &problem = m_problems.at(row);
    const TaskFilePlace *place = m_layout.placeAt(problem.line, problem.column);
    if (!place) {
        statusBar()->showMessage(problem.message, 8000);
        return;
    }
    const TaskFilePlace selected = *place;
    if (selected.fieldSize != 0 && selected.fieldSize != currentSize())
        selectSize(selected.fieldSize);
    QList<TaskFilePlace> marked;
    for (const TaskProblem &other : std::as_const(m_problems)) {
        if (const TaskFilePlace *p = m_layout.placeAt(other.line, other.column))
            marked.append(*p);
    }
    m_field->setMarkedPlaces(marked, selected);
    statusBar()->showMessage(problem.message, 8000);
}

void TaskEditWindow::statementEdited()
{
    m_model.setStatement(statementFromText(m_statement->toPlainText()));
}

void TaskEditWindow::addSizeFromMenu(int fieldSize)
{
    if (m_model.addSize(fieldSize))
        selectSize(fieldSize);
}

void TaskEditWindow::removeCurrentSize()
{
    const int size = currentSize();
    if (askTeacher(this, QMessageBox::Question, QStringLiteral("Убрать размер"),
                   QStringLiteral("Убрать из задачи поле %1 со всеми его стенами и точками?\n"
                                  "Это можно отменить.")
                       .arg(sizeName(size)),
                   {QStringLiteral("Убрать"), QStringLiteral("Отмена")})
        == 0)
        m_model.removeSize(size);
}

void TaskEditWindow::removeSelectedVariableWall()
{
    const int row = m_variableWalls->currentRow();
    if (row >= 0)
        m_model.removeVariableWall(currentSize(), row);
}

void TaskEditWindow::chooseReference()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Эталонное решение"),
                                                      m_folder.isEmpty() ? QDir::currentPath() : m_folder,
                                                      QStringLiteral("Алгоритмы (*.txt);;Все файлы (*)"));
    if (!path.isEmpty())
        setReference(path);
}

bool TaskEditWindow::setReference(const QString &algorithmFile)
{
    const AlgorithmFileResult read = readAlgorithmFile(algorithmFile);
    if (!read.isOk()) {
        QMessageBox::warning(this, QStringLiteral("Эталонное решение"), read.error);
        return false;
    }
    // A text that is no algorithm runs to its end drawing nothing: it would pass every check.
    if (const QString reason = notAlgorithmReason(read.lines, read.bytes); !reason.isEmpty()) {
        QMessageBox::warning(
            this, QStringLiteral("Эталонное решение"),
            QStringLiteral("Файл %1 — не алгоритм: %2").arg(QDir::toNativeSeparators(algorithmFile), reason));
        return false;
    }
    m_referencePath = algorithmFile;
    m_referenceLines = read.lines;
    m_referenceLabel->setText(QDir::toNativeSeparators(algorithmFile));
    m_makePattern->setEnabled(m_model.task().hasPattern);
    runReference();
    return true;
}

void TaskEditWindow::runReference()
{
    m_referenceTimer->stop();
    m_referenceList->clear();
    if (m_referenceLines.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_referencePasses = checkReference(PassRunner(m_model.task()), m_referenceLines);
    QApplication::restoreOverrideCursor();
    int right = 0;
    for (const TestPass &pass : std::as_const(m_referencePasses)) {
        QString outcome;
        switch (pass.end) {
        case RunEnd::Complete:
            outcome = pass.isCorrect ? QStringLiteral("верно")
                                     : QStringLiteral("Шагайка остановилась в (%1,%2), а не в точке Б")
                                           .arg(pass.executor.column)
                                           .arg(pass.executor.row);
            break;
        case RunEnd::Crash: outcome = QStringLiteral("стена: ") + pass.message.section(u'\r', 0, 0); break;
        case RunEnd::Stopped: outcome = QStringLiteral("остановлено: алгоритм не кончается"); break;
        case RunEnd::Error: outcome = QStringLiteral("ошибка: ") + pass.message.section(u'\r', 0, 0); break;
        }
        auto *item = new QListWidgetItem(
            QStringLiteral("%1%2: %3")
                .arg(sizeName(pass.fieldSize), arrangementName(pass.arrangement), outcome),
            m_referenceList);
        item->setBackground(pass.isCorrect ? QColor(190, 240, 190) : QColor(250, 190, 190));
        if (pass.isCorrect)
            ++right;
    }
    statusBar()->showMessage(
        QStringLiteral("Эталон: верно %1 из %2 прогонов").arg(right).arg(m_referencePasses.size()), 8000);
}

void TaskEditWindow::makePattern()
{
    if (m_referenceLines.isEmpty())
        return;
    if (m_folder.isEmpty() && !saveToFolderDialog())
        return;
    const QString existing = TaskFolder(m_folder).patternFilePath();
    // A picture the teacher drew or copied there would be lost; the one this window has just
    // made is only made again.
    if (!existing.isEmpty() && (existing != m_patternPath || fileBytes(existing) != m_patternBytes)) {
        const int answer =
            askTeacher(this, QMessageBox::Warning, QStringLiteral("Образец"),
                       QStringLiteral("В папке %1 уже есть картинка образца %2. Заменить её образцом, "
                                      "нарисованным по эталону?\n\nКартинка, которая там сейчас, пропадёт.")
                           .arg(QDir::toNativeSeparators(m_folder), QFileInfo(existing).fileName()),
                       {QStringLiteral("Заменить"), QStringLiteral("Отмена")});
        if (answer != 0)
            return;
    }
    const QImage picture = PatternMaker::make(m_model.task(), m_referenceLines);
    const QString path =
        existing.isEmpty() ? QDir(m_folder).filePath(TaskFolder::patternFileName()) : existing;
    if (const auto error = PatternMaker::write(path, picture)) {
        QMessageBox::critical(this, QStringLiteral("Образец"), *error);
        return;
    }
    m_patternPath = path;
    m_patternBytes = fileBytes(path);
    statusBar()->showMessage(QStringLiteral("Образец записан: %1").arg(QDir::toNativeSeparators(path)), 8000);
    updateProblems();
}

void TaskEditWindow::newTask()
{
    if (!maybeSave())
        return;
    m_folder.clear();
    m_fileIsHandWritten = false;
    m_fileIsUnreadable = false;
    m_normalisingConfirmed = false;
    m_diskBytes.reset();
    m_model.reset(TaskEditModel::newTask());
    selectSize(TaskData::firstSize);
}

void TaskEditWindow::openFolderDialog()
{
    if (!maybeSave())
        return;
    // Before any task is open, a teacher most likely starts from the installed collection.
    QString start = m_folder;
    if (start.isEmpty())
        start = installedTaskCollection();
    if (start.isEmpty())
        start = QDir::currentPath();
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Папка задачи"), start);
    if (!folder.isEmpty())
        openFolder(folder);
}

bool TaskEditWindow::openFolder(const QString &folder)
{
    // A file named instead (a task file dropped on the menu entry) stands for its folder.
    const QFileInfo named(folder);
    if (named.isFile())
        return openFolder(named.absolutePath());
    const TaskFolder taskFolder(folder);
    const QString path = taskFolder.taskFilePath();
    if (path.isEmpty()) {
        m_folder = QDir(folder).absolutePath();
        m_fileIsHandWritten = false;
        m_fileIsUnreadable = false;
        m_normalisingConfirmed = false;
        m_diskBytes.reset();
        m_model.reset(TaskEditModel::newTask());
        statusBar()->showMessage(
            QStringLiteral("В папке нет файла Zerid.txt: новая задача будет сохранена в неё"), 8000);
        return true;
    }
    const TaskFileResult read = taskFolder.readTask();
    m_folder = QDir(folder).absolutePath();
    m_diskBytes = fileBytes(path);
    m_normalisingConfirmed = false;
    m_fileIsUnreadable = !read.isOk();
    if (!read.isOk()) {
        m_fileIsHandWritten = false;
        m_model.reset(TaskEditModel::newTask());
        selectSize(TaskData::firstSize);
        tellUnreadable(path);
        return false;
    }
    m_fileIsHandWritten = isHandWritten(path, read.task);
    m_model.reset(read.task);
    selectSize(m_model.sizes().value(0, TaskData::firstSize));
    return true;
}

void TaskEditWindow::tellUnreadable(const QString &path)
{
    // The loader stops at the first error; the check lists them all, with their reasons.
    const TaskFolderValidation check = validateTaskFolder(m_folder);
    QStringList lines;
    for (const TaskProblem &problem : check.problems) {
        if (lines.size() == 15) {
            lines.append(QStringLiteral("… и ещё %1").arg(check.problems.size() - 15));
            break;
        }
        lines.append(problem.line > 0 ? QStringLiteral("строка %1, столбец %2: %3")
                                            .arg(problem.line)
                                            .arg(problem.column)
                                            .arg(problem.message)
                                      : problem.message);
    }
    QMessageBox::warning(
        this, QStringLiteral("Задача не открывается"),
        QStringLiteral("Файл %1 не читается:\n\n%2\n\nОкно начало новую задачу для папки %3. "
                       "Файл останется, как есть, пока вы не сохраните задачу; перед "
                       "этим редактор спросит, заменить ли его.")
            .arg(QDir::toNativeSeparators(path), lines.join(u'\n'), QDir::toNativeSeparators(m_folder)));
}

bool TaskEditWindow::saveToFolderDialog()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Сохранить задачу в папку"),
                                          m_folder.isEmpty() ? QDir::currentPath() : m_folder);
    if (folder.isEmpty())
        return false;
    const QString target = QDir(folder).absolutePath();
    if (target != m_folder) {
        // The task file there is another task, which the save would replace without a word.
        if (const QString existing = TaskFolder(target).taskFilePath(); !existing.isEmpty()) {
            const int answer =
                askTeacher(this, QMessageBox::Warning, QStringLiteral("Сохранить задачу"),
                           QStringLiteral("В папке %1 уже есть файл задачи %2. Заменить его этой задачей?\n\n"
                                          "Задача, записанная в нём, пропадёт.")
                               .arg(QDir::toNativeSeparators(target), QFileInfo(existing).fileName()),
                           {QStringLiteral("Заменить"), QStringLiteral("Отмена")});
            if (answer != 0)
                return false;
        }
        // A save that fails or is called off leaves the window with the folder it had.
        const std::tuple kept{m_folder, m_fileIsHandWritten, m_normalisingConfirmed, m_diskBytes,
                              m_fileIsUnreadable};
        m_folder = target;
        m_fileIsHandWritten = false;
        m_fileIsUnreadable = false;
        m_normalisingConfirmed = false;
        // The teacher has just chosen to replace what is there.
        m_diskBytes = fileBytes(TaskFolder(target).taskFilePath());
        // The pattern picture the problems speak of is the one in the new folder.
        updateProblems();
        if (save())
            return true;
        std::tie(m_folder, m_fileIsHandWritten, m_normalisingConfirmed, m_diskBytes, m_fileIsUnreadable) =
            kept;
        updateTitle();
        updateProblems();
        return false;
    }
    return save();
}

bool TaskEditWindow::save()
{
    if (m_folder.isEmpty())
        return saveToFolderDialog();
    const TaskData task = m_model.task();
    const TaskFileLayout layout = layOutTaskFile(task);
    const QString existing = TaskFolder(m_folder).taskFilePath();
    if (!mayReplaceFileOnDisk(existing))
        return false;
    if (m_fileIsUnreadable && !existing.isEmpty()) {
        const int answer = askTeacher(
            this, QMessageBox::Warning, QStringLiteral("Сохранить задачу"),
            QStringLiteral("Файл %1 в этой папке не читался, и окно начало в ней новую задачу. Заменить "
                           "файл этой задачей?\n\nТо, что записано в нём сейчас, пропадёт.")
                .arg(QFileInfo(existing).fileName()),
            {QStringLiteral("Заменить"), QStringLiteral("Отмена")});
        if (answer != 0)
            return false;
    }
    if (m_fileIsHandWritten && !m_normalisingConfirmed) {
        const int answer = askTeacher(
            this, QMessageBox::Question, QStringLiteral("Сохранить задачу"),
            QStringLiteral(
                "Файл Zerid.txt в этой папке написан вручную. Он будет записан заново в обычном виде: "
                "размеры поля по порядку, в каждом сначала горизонтальные стены, потом вертикальные "
                "(по восемь в строке), потом подвижные стенки; пустые строки и строки-пояснения "
                "между записями пропадут. Условие, размеры, точки и стены останутся теми же.\n\n"
                "Сохранить?"),
            {QStringLiteral("Сохранить"), QStringLiteral("Отмена")});
        if (answer != 0)
            return false;
        m_normalisingConfirmed = true;
    }
    const QList<TaskProblem> problems = m_problems;
    if (!problems.isEmpty() && layout.isFaithful()) {
        const int answer = askTeacher(
            this, QMessageBox::Warning, QStringLiteral("Сохранить задачу"),
            QStringLiteral(
                "В задаче есть замечания (%1). Первое:\nстрока %2, столбец %3: %4\n\nВсё равно сохранить?")
                .arg(problems.size())
                .arg(problems.first().line)
                .arg(problems.first().column)
                .arg(problems.first().message),
            {QStringLiteral("Сохранить"), QStringLiteral("Отмена")});
        if (answer != 0)
            return false;
    }
    // The file that is there under another case of letters (ZERID.TXT from a Windows disk) is the
    // one replaced: a second one beside it would leave the teacher two tasks.
    const QString path = existing.isEmpty() ? QDir(m_folder).filePath(TaskFolder::taskFileName()) : existing;
    if (const auto error = writeTaskFile(path, task)) {
        QMessageBox::critical(this, QStringLiteral("Задача не сохранена"), *error);
        return false;
    }
    m_fileIsHandWritten = false;
    m_fileIsUnreadable = false;
    m_diskBytes = fileBytes(path);
    m_model.markSaved();
    statusBar()->showMessage(QStringLiteral("Сохранено: %1").arg(QDir::toNativeSeparators(path)), 8000);
    return true;
}

bool TaskEditWindow::mayReplaceFileOnDisk(const QString &path)
{
    if (fileBytes(path) == m_diskBytes)
        return true;
    const QString name = path.isEmpty() ? TaskFolder::taskFileName() : QFileInfo(path).fileName();
    return askTeacher(this, QMessageBox::Warning, QStringLiteral("Сохранить задачу"),
                      QStringLiteral("Файл %1 в папке %2 изменился после того, как задача была открыта "
                                     "здесь: его записал другой редактор задач или другая программа.\n\n"
                                     "Если сохранить, эти изменения пропадут. Заменить файл задачей из "
                                     "этого окна?")
                          .arg(name, QDir::toNativeSeparators(m_folder)),
                      {QStringLiteral("Заменить"), QStringLiteral("Отмена")})
        == 0;
}

bool TaskEditWindow::maybeSave()
{
    if (!m_model.isModified())
        return true;
    const int answer =
        askTeacher(this, QMessageBox::Question, QStringLiteral("Задача изменена"),
                   QStringLiteral("Сохранить изменения задачи?"),
                   {QStringLiteral("Сохранить"), QStringLiteral("Не сохранять"), QStringLiteral("Отмена")});
    if (answer == 0)
        return save();
    return answer == 1;
}

void TaskEditWindow::closeEvent(QCloseEvent *event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}
