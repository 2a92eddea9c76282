#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The pupil's algorithm: its lines and the current (selected) line, which is the
// insertion cursor of the editor and the highlight of a run. The list in the work
// window shows this model directly; the editor, the statistics and the interpreter
// all read and change these same rows.
//
// Row arguments out of range are clamped or ignored, never read past the text.
// The current row follows its line: inserting before it moves it down, removing
// lines before it moves it up. When the current line itself is removed, the line
// that then stands at the first removed row becomes current (none when the removal
// reached the end of the text).
class AlgorithmText : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit AlgorithmText(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    const QStringList &lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }
    const QString &line(int row) const { return m_lines.at(row); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    bool isValidRow(int row) const { return row >= 0 && row < count(); }

    // Replaces the whole text; the current row becomes -1 (none).
    void setLines(const QStringList &lines);
    // Inserts before row (row == count() appends); row is clamped to 0 ... count().
    void insertLines(int row, const QStringList &lines);
    void insertLine(int row, const QString &line) { insertLines(row, QStringList{line}); }
    void appendLines(const QStringList &lines) { insertLines(count(), lines); }
    // Removes up to count lines from row on; the part outside the text is ignored.
    void removeLines(int row, int count);

    // -1 when no line is selected. A row outside the text selects none.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);
    bool hasCurrentLine() const { return m_currentRow >= 0; }
    // The current line, or an empty text when none is selected.
    QString currentLine() const;

signals:
    void currentRowChanged(int row);

private:
    void changeCurrentRow(int row);

    QStringList m_lines;
    int m_currentRow = -1;
};

// Replaces the whole text by the five skeleton lines of a new algorithm and selects
// line 4 ("КОН"). The statistics rows to show next are resetStatistics().
void buildAlgorithmSkeleton(AlgorithmText &text, bool hasPointB);
