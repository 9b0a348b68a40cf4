#include "ide/code/codeeditor.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

namespace vbhost {

CodeEditor::CodeEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * TabWidth);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void CodeEditor::setSeparatorLines(const QList<int> &lines)
{
    if (lines == m_separators)
        return;
    m_separators = lines;
    viewport()->update();
}

void CodeEditor::goTo(int line, int column, int topLine)
{
    const QTextBlock block = document()->findBlockByNumber(
        std::clamp(line, 0, std::max(0, document()->blockCount() - 1)));
    QTextCursor c(block);
    c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                   std::min(column, block.length() - 1));
    setTextCursor(c);
    if (topLine >= 0)
        verticalScrollBar()->setValue(topLine);
    ensureCursorVisible();
}

void CodeEditor::indentSelection(bool back)
{
    QTextCursor c = textCursor();
    QTextBlock first = document()->findBlock(c.selectionStart());
    QTextBlock last = document()->findBlock(c.selectionEnd());
    // A selection ending at the start of a line leaves that line alone.
    if (last != first && c.selectionEnd() == last.position())
        last = last.previous();
    c.beginEditBlock();
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        QTextCursor at(b);
        if (!back) {
            at.insertText(QString(TabWidth, u' '));
        } else {
            int n = 0;
            while (n < TabWidth && n < b.text().size() && b.text()[n] == u' ')
                ++n;
            at.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, n);
            at.removeSelectedText();
        }
        if (b == last)
            break;
    }
    c.endEditBlock();
}

void CodeEditor::keyPressEvent(QKeyEvent *event)
{
    const bool multiLine =
        textCursor().hasSelection() && document()->findBlock(textCursor().selectionStart()) !=
                                           document()->findBlock(textCursor().selectionEnd());
    if (event->key() == Qt::Key_Backtab || (event->key() == Qt::Key_Tab && multiLine)) {
        indentSelection(event->key() == Qt::Key_Backtab);
        return;
    }
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier) {
        const int column = textCursor().positionInBlock();
        insertPlainText(QString(TabWidth - column % TabWidth, u' '));
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        // Shift+Enter too: a soft line break has no place in a code file.
        const QString line = textCursor().block().text();
        qsizetype indent = 0;
        while (indent < line.size() && line[indent].isSpace())
            ++indent;
        indent = std::min<qsizetype>(indent, textCursor().positionInBlock());
        textCursor().insertText(QStringLiteral("\n") + line.left(indent));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CodeEditor::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (m_separators.isEmpty())
        return;
    QPainter painter(viewport());
    painter.setPen(QColor(128, 128, 128));
    const QPointF offset = contentOffset();
    for (QTextBlock b = firstVisibleBlock(); b.isValid(); b = b.next()) {
        const QRectF r = blockBoundingGeometry(b).translated(offset);
        if (r.top() > event->rect().bottom())
            break;
        if (std::binary_search(m_separators.begin(), m_separators.end(), b.blockNumber()))
            painter.drawLine(QPointF(0, r.top() + 0.5),
                             QPointF(viewport()->width(), r.top() + 0.5));
    }
}

} // namespace vbhost
