#pragma once

#include <QList>
#include <QPlainTextEdit>

namespace vbhost {

// The text of a code window: a fixed font, black on white whatever the desktop's colours, Tab to
// the next stop of four spaces (Shift+Tab back; with several lines selected, the lines move),
// Enter keeping the indentation, and a separator line above each procedure. It never changes
// what is typed.
class CodeEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr int TabWidth = 4;

    explicit CodeEditor(QWidget *parent = nullptr);

    // Lines (0-based) that start a procedure: a separator is drawn above each.
    void setSeparatorLines(const QList<int> &lines);
    QList<int> separatorLines() const { return m_separators; }
    // Puts the cursor at the line and column (0-based); topLine >= 0 scrolls that line to the
    // top of the view.
    void goTo(int line, int column = 0, int topLine = -1);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void indentSelection(bool back);

    QList<int> m_separators; // sorted
};

} // namespace vbhost
