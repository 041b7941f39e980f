#pragma once

#include <QObject>
#include <QPointer>
#include <utility>
#include <vector>

class QWidget;

namespace tidecopy {

class LogPanel;

// Expands the log frame over the window's central area and restores it: the parts it
// covers are hidden, so the window's own layout gives the log their room (from the top,
// the status strip staying at the bottom), and shown again on restore. The log's whole
// text takes 8 points expanded and 7 points in its place, text appended later too.
class LogExpansion : public QObject {
    Q_OBJECT
public:
    static constexpr int expandedPointSize = 8;
    static constexpr int restoredPointSize = 7;

    LogExpansion(LogPanel& panel, std::vector<QWidget*> coveredParts, QObject* parent);

    bool expanded() const { return m_expanded; }
    // imgExpand, the menu's item 90 and a press on the expanded frame.
    void toggle();

private:
    void setPointSize(int points);
    // A row of the window's layout whose parts are all hidden still takes its share of
    // the room; while expanded it gives that share up.
    void releaseEmptyRows();
    void restoreRowStretches();

    LogPanel& m_panel;
    std::vector<QPointer<QWidget>> m_coveredParts;
    bool m_expanded = false;
    // Rows of the window's layout that gave up their stretch: index and stretch.
    std::vector<std::pair<int, int>> m_releasedRows;
};

} // namespace tidecopy
