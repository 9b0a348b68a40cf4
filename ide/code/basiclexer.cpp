#include "ide/code/basiclexer.h"

#include <QSet>

namespace vbhost {

namespace {

const QSet<QString> &keywordSet()
{
    static const QSet<QString> set = [] {
        QSet<QString> s;
        for (const QString &k : basicKeywords())
            s.insert(k.toLower());
        return s;
    }();
    return set;
}

// Index after the string literal opening at `start` ("" is a quote inside it).
qsizetype skipString(QStringView line, qsizetype start)
{
    qsizetype i = start + 1;
    while (i < line.size()) {
        if (line[i] == u'"') {
            if (i + 1 < line.size() && line[i + 1] == u'"') {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

} // namespace

const QStringList &basicKeywords()
{
    static const QStringList words{
        "AddressOf",  "Alias",      "And",     "Any",      "Append",  "As",      "Base",
        "Binary",     "Boolean",    "ByRef",   "Byte",     "ByVal",   "Call",    "Case",
        "Close",      "Compare",    "Const",   "Currency", "Date",    "Declare", "DefBool",
        "DefByte",    "DefCur",     "DefDate", "DefDbl",   "DefInt",  "DefLng",  "DefObj",
        "DefSng",     "DefStr",     "DefVar",  "Dim",      "Do",      "Double",  "Each",
        "Else",       "ElseIf",     "Empty",   "End",      "Enum",    "Eqv",     "Erase",
        "Error",      "Event",      "Exit",    "Explicit", "False",   "For",     "Friend",
        "Function",   "Get",        "Global",  "GoSub",    "GoTo",    "If",      "Imp",
        "Implements", "In",         "Input",   "Integer",  "Is",      "Let",     "Lib",
        "Like",       "Line",       "Lock",    "Long",     "Loop",    "LSet",    "Me",
        "Mod",        "New",        "Next",    "Not",      "Nothing", "Null",    "Object",
        "On",         "Open",       "Option",  "Optional", "Or",      "Output",  "ParamArray",
        "Preserve",   "Print",      "Private", "Property", "Public",  "Put",     "RaiseEvent",
        "Random",     "Read",       "ReDim",   "Rem",      "Resume",  "Return",  "RSet",
        "Seek",       "Select",     "Set",     "Shared",   "Single",  "Static",  "Step",
        "Stop",       "String",     "Sub",     "Text",     "Then",    "To",      "True",
        "Type",       "TypeOf",     "Unlock",  "Until",    "Variant", "Wend",    "While",
        "With",       "WithEvents", "Write",   "Xor"};
    return words;
}

bool isBasicKeyword(QStringView word)
{
    return keywordSet().contains(word.toString().toLower());
}

bool continuesOnNextLine(QStringView line)
{
    const QStringView t = line.trimmed();
    return t == u"_" || (t.endsWith(u'_') && t.size() >= 2 && t[t.size() - 2].isSpace());
}

LineColours colourLine(QStringView line, bool inComment)
{
    LineColours out;
    const auto comment = [&](qsizetype from) {
        out.spans.append({int(from), int(line.size() - from), CodeSpanKind::Comment});
        out.commentContinues = continuesOnNextLine(line);
    };
    if (inComment) {
        comment(0);
        return out;
    }
    bool statementStart = true;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const QChar c = line[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == u'\'') {
            comment(i);
            return out;
        }
        if (c == u'"') {
            i = skipString(line, i);
            statementStart = false;
            continue;
        }
        if (c == u':') {
            statementStart = true;
            ++i;
            continue;
        }
        // Conditional compilation: #If, #Else, #End If, #Const.
        const bool directive = c == u'#' && statementStart && i + 1 < n && line[i + 1].isLetter();
        if (c.isLetter() || directive) {
            const qsizetype start = i;
            i += directive ? 1 : 0;
            const qsizetype wordStart = i;
            while (i < n && isNameChar(line[i]))
                ++i;
            const QStringView word = line.mid(wordStart, i - wordStart);
            const bool member = start > 0 && line[start - 1] == u'.';
            // Format$, Len%: a function or a variable with its type character.
            const bool typed = i < n && QStringView(u"$%&!#@").contains(line[i]);
            if (!member && statementStart && word.compare(u"Rem", Qt::CaseInsensitive) == 0 &&
                (i == n || line[i].isSpace())) {
                comment(start);
                return out;
            }
            if (!member && !typed && isBasicKeyword(word))
                out.spans.append({int(start), int(i - start), CodeSpanKind::Keyword});
            statementStart = false;
            continue;
        }
        // Numbers, &H1F, operators, date literals: plain text.
        if (c == u'&' && i + 1 < n &&
            (line[i + 1] == u'H' || line[i + 1] == u'h' || line[i + 1] == u'O' ||
             line[i + 1] == u'o')) {
            i += 2;
            while (i < n && line[i].isLetterOrNumber())
                ++i;
        } else if (c.isDigit()) {
            while (i < n && (line[i].isLetterOrNumber() || line[i] == u'.'))
                ++i;
        } else {
            ++i;
        }
        statementStart = false;
    }
    return out;
}

} // namespace vbhost
