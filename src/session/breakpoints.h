#pragma once

#include <QList>
#include <QObject>

class AlgorithmText;

// The lines of the algorithm that hold a breakpoint. They belong to their lines, not to row
// numbers: lines inserted or removed above move them, a removed line takes its breakpoint
// with it, and a text replaced whole (a new task, a loaded file, an undo) has none. They
// live only in the window: the algorithm file never holds them.
class Breakpoints : public QObject
{
    Q_OBJECT

public:
    explicit Breakpoints(AlgorithmText &text, QObject *parent = nullptr);

    // In ascending order.
    const QList<int> &rows() const { return m_rows; }
    bool contains(int row) const { return m_rows.contains(row); }
    // Only a line a run can pause before holds one.
    bool canHold(int row) const;
    // Sets a breakpoint on the line or clears it; a line that cannot hold one is left alone.
    void toggle(int row);

signals:
    void changed();

private:
    void linesInserted(int first, int last);
    void linesRemoved(int first, int last);
    void clear();

    AlgorithmText &m_text;
    QList<int> m_rows;
};
