#pragma once

#include "judge/testpass.h"
#include "taskedit/edittool.h"
#include "tasks/file/taskfilelayout.h"
#include "tasks/setup/taskeditmodel.h"

#include <QByteArray>
#include <QList>
#include <QMainWindow>
#include <QStringList>

#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTimer;
class QToolButton;
class TaskFieldView;

// The teacher's window: the field of the chosen size to draw on, the statement and the
// flags beside it, every problem of the task under the field, and the reference solution
// with the result of each size and arrangement.
class TaskEditWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit TaskEditWindow(QWidget *parent = nullptr);

    // Opens the task of a folder (or of the folder of a file named instead); a folder
    // without a task file becomes the place a new task is saved to. Returns false (and lists
    // every problem of the file) when the file cannot be read; the window then holds a new
    // task of that folder, and the file stays as it is until a save that asks first.
    bool openFolder(const QString &folder);
    bool save();

    TaskEditModel &model() { return m_model; }
    QString folder() const { return m_folder; }
    void setTool(EditTool tool);
    // Loads a reference solution and runs it everywhere.
    bool setReference(const QString &algorithmFile);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectSize(int fieldSize);
    void buildActions();
    void buildWidgets();
    void newTask();
    void openFolderDialog();
    bool saveToFolderDialog();
    void tellUnreadable(const QString &path);
    bool maybeSave();
    // Asks before a save replaces a task file that changed on disk since this window read or
    // wrote it (a second editor on the same folder, a hand edit).
    bool mayReplaceFileOnDisk(const QString &path);
    void syncFromModel();
    void syncSizeTabs();
    void updateProblems();
    void updateProblemsTitle();
    void removeOuterWalls();
    void problemSelected();
    void runReference();
    void chooseReference();
    void makePattern();
    void addSizeFromMenu(int fieldSize);
    void removeCurrentSize();
    void removeSelectedVariableWall();
    void statementEdited();
    void updateTitle();
    int currentSize() const;

    TaskEditModel m_model;
    QString m_folder;
    bool m_fileIsHandWritten = false; // the task file in the folder is not as this editor writes it
    bool m_normalisingConfirmed = false;
    bool m_fileIsUnreadable = false; // the task file in the folder did not load: the task here is another
    // The task file's bytes as this window last read or wrote them; none: there was no file.
    std::optional<QByteArray> m_diskBytes;
    // The pattern picture this window last wrote, and its bytes as written.
    QString m_patternPath;
    std::optional<QByteArray> m_patternBytes;
    QStringList m_referenceLines;
    QString m_referencePath;
    QList<TestPass> m_referencePasses;
    TaskFileLayout m_layout;
    QList<TaskProblem> m_problems;

    TaskFieldView *m_field = nullptr;
    QTabBar *m_sizeTabs = nullptr;
    QToolButton *m_addSize = nullptr;
    QPushButton *m_removeSize = nullptr;
    QLabel *m_problemsTitle = nullptr;
    QListWidget *m_problemList = nullptr;
    QPlainTextEdit *m_statement = nullptr;
    QCheckBox *m_pointB = nullptr;
    QCheckBox *m_pattern = nullptr;
    QCheckBox *m_singleSize = nullptr;
    QSpinBox *m_reserved = nullptr;
    QLineEdit *m_label = nullptr;
    QListWidget *m_variableWalls = nullptr;
    QPushButton *m_removeVariableWall = nullptr;
    QLabel *m_referenceLabel = nullptr;
    QListWidget *m_referenceList = nullptr;
    QPushButton *m_rerunReference = nullptr;
    QPushButton *m_makePattern = nullptr;
    QTimer *m_referenceTimer = nullptr;

    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QList<QAction *> m_toolActions;
};
