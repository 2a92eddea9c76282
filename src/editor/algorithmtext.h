#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The pupil's algorithm: its lines and the current (selected) line, which is the
// insertion cursor of the editor and the highlight of a run. The list in the work
// window shows this model directly; the editor, the statistics and the interpreter
// all read and change these same rows.
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

    // Replaces the whole text; the current row becomes -1 (none).
    void setLines(const QStringList &lines);
    void insertLines(int row, const QStringList &lines);
    void removeLines(int row, int count);

    // -1 when no line is selected.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row);

signals:
    void currentRowChanged(int row);

private:
    QStringList m_lines;
    int m_currentRow = -1;
};
