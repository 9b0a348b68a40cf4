#pragma once

#include <QSyntaxHighlighter>

namespace vbhost {

// The environment's default colours: keywords dark blue, comments dark green, the rest as the
// editor writes it (black). The text itself is never touched.
class CodeHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    explicit CodeHighlighter(QTextDocument *document);

    static QColor keywordColour();
    static QColor commentColour();

protected:
    void highlightBlock(const QString &text) override;
};

} // namespace vbhost
