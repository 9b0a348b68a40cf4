#include "ide/code/codehighlighter.h"

#include "ide/code/basiclexer.h"

namespace vbhost {

namespace {
enum BlockState { Plain = 0, CommentGoesOn = 1 };
}

CodeHighlighter::CodeHighlighter(QTextDocument *document) : QSyntaxHighlighter(document) {}

QColor CodeHighlighter::keywordColour()
{
    return QColor(0, 0, 128);
}

QColor CodeHighlighter::commentColour()
{
    return QColor(0, 128, 0);
}

void CodeHighlighter::highlightBlock(const QString &text)
{
    const LineColours colours = colourLine(text, previousBlockState() == CommentGoesOn);
    for (const CodeSpan &span : colours.spans) {
        setFormat(span.start, span.length,
                  span.kind == CodeSpanKind::Keyword ? keywordColour() : commentColour());
    }
    setCurrentBlockState(colours.commentContinues ? CommentGoesOn : Plain);
}

} // namespace vbhost
