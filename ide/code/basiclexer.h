#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace vbhost {

// What the code window colours; everything else is plain text.
enum class CodeSpanKind { Keyword, Comment };

struct CodeSpan
{
    int start = 0;
    int length = 0;
    CodeSpanKind kind = CodeSpanKind::Keyword;

    bool operator==(const CodeSpan &) const = default;
};

struct LineColours
{
    QList<CodeSpan> spans;
    bool commentContinues = false; // a comment ending in " _" goes on into the next line
};

// The Basic keywords, in one list; matched without regard to case.
const QStringList &basicKeywords();
bool isBasicKeyword(QStringView word);

// Keywords and comments of one line of code. inComment: the line before ended in a continued
// comment. A word right after a dot is a member name, never a keyword (txtName.Text).
LineColours colourLine(QStringView line, bool inComment = false);

// Whether a character can be part of a name.
inline bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The line ends in the continuation mark " _" (a lone "_" counts too).
bool continuesOnNextLine(QStringView line);

} // namespace vbhost
