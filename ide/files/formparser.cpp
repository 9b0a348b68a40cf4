#include "ide/files/formparser_p.h"

#include "ide/files/controlnode_p.h"
#include "ide/files/parseerror.h"
#include "ide/files/validate_p.h"

#include <QRegularExpression>

namespace vbhost {

const QRegularExpression &attributePattern()
{
    static const QRegularExpression re(QStringLiteral("^Attribute\\s+(\\S+?)\\s*=\\s*(.*)$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QList<TextLine> textToLines(const QString &text, const QByteArray &eol, bool lastGetsEol,
                            const CodePage &codePage)
{
    QList<TextLine> out;
    if (text.isEmpty())
        return out;
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList parts = text.split(breaks);
    const bool endsWithBreak = parts.size() > 1 && parts.back().isEmpty();
    if (endsWithBreak)
        parts.removeLast();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        out.append({codePage.encode(parts[i]), (!last || endsWithBreak || lastGetsEol) ? eol : ""});
    }
    return out;
}

namespace {

const QRegularExpression &beginPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\s*Begin\\s+(\\S+)\\s+(\\S+)\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

bool isWord(const QString &trimmed, QLatin1String word)
{
    return trimmed.compare(word, Qt::CaseInsensitive) == 0;
}

bool startsWithWord(const QString &trimmed, QLatin1String word)
{
    if (!trimmed.startsWith(word, Qt::CaseInsensitive))
        return false;
    return trimmed.size() == word.size() || trimmed[word.size()].isSpace();
}

bool isAttributeLine(const QByteArray &text)
{
    // Attribute lines are ASCII in every code page.
    return attributePattern().match(QString::fromLatin1(text)).hasMatch();
}

} // namespace

class FormParser
{
public:
    FormParser(const QString &fileName, QList<TextLine> lines, CodePage codePage)
        : m_fileName(fileName), m_lines(std::move(lines)), m_codePage(codePage)
    {}

    FormFile parse()
    {
        FormFile f;
        f.m_fileName = m_fileName;
        f.m_style->codePage = m_codePage;
        const int binary = firstBinaryLine(m_lines);
        if (binary >= 0)
            fail(binary, QStringLiteral("binary data where text was expected"));
        f.m_style->eol = dominantEol(m_lines);

        const int n = int(m_lines.size());
        int pos = 0;
        while (pos < n && text(pos).trimmed().isEmpty())
            ++pos;
        const QString first = pos < n ? text(pos).trimmed() : QString();
        int blockAt = -1;
        if (startsWithWord(first, QLatin1String("VERSION"))) {
            f.m_version = first.section(QLatin1Char(' '), 1, 1, QString::SectionSkipEmpty);
            for (int i = pos + 1; i < n; ++i) {
                const QString t = text(i).trimmed();
                if (isWord(t, QLatin1String("BEGIN")) || beginPattern().match(t).hasMatch()) {
                    blockAt = i;
                    break;
                }
                if (startsWithWord(t, QLatin1String("Attribute")))
                    break;
            }
            if (blockAt < 0)
                fail(pos, QStringLiteral("the VERSION line is not followed by a Begin block"));
        } else if (beginPattern().match(first).hasMatch()) {
            blockAt = pos;
        }

        const FormFile::Kind byName = FormFile::kindForFileName(m_fileName);
        if (blockAt < 0) {
            if (byName == FormFile::Kind::Form)
                fail(pos < n ? pos : 0, QStringLiteral("no Begin block: this is not a form file"));
            f.m_kind = byName;
            blockAt = pos;
            f.m_header = m_lines.mid(0, pos);
        } else {
            f.m_header = m_lines.mid(0, blockAt);
            const QString t = text(blockAt).trimmed();
            const bool classBlock = isWord(t, QLatin1String("BEGIN"));
            f.m_kind = classBlock ? FormFile::Kind::Class : FormFile::Kind::Form;
            if (!classBlock) {
                const QString cls = beginPattern().match(t).captured(1);
                f.m_style->classPrefix = cls.contains(QLatin1Char('.'))
                                             ? cls.left(cls.indexOf(QLatin1Char('.')) + 1)
                                             : QString();
                f.m_style->beginTrailingBlank = m_lines[blockAt].text.endsWith(' ');
            }
            f.m_root.reset(new ControlNode(f.m_style.get(), nullptr));
            blockAt = parseBlock(*f.m_root, blockAt, classBlock);
        }

        pos = blockAt;
        while (pos < n && isAttributeLine(m_lines[pos].text))
            f.m_attributes.append(m_lines[pos++]);
        f.m_codeFirstLine = pos + 1;
        f.m_code = m_lines.mid(pos);
        return f;
    }

private:
    [[noreturn]] void fail(int lineIndex, const QString &message) const
    {
        throw ParseError(m_fileName, lineIndex + 1, message);
    }

    QString text(int i) const { return m_codePage.decode(m_lines[i].text); }

    void openBlock(ControlNode &node, int at, bool classBlock)
    {
        node.m_begin = m_lines[at];
        node.m_line = at + 1;
        if (!classBlock) {
            const auto m = beginPattern().match(text(at));
            node.m_className = m.captured(1);
            node.m_name = m.captured(2);
        }
    }

    // Parses the block whose Begin is at line `at`; returns the line after its End. Nested
    // blocks are kept on a list of open ones rather than on the call stack.
    int parseBlock(ControlNode &root, int at, bool classBlock)
    {
        using Item = ControlNode::Item;
        struct Open
        {
            ControlNode *node;
            int at;
            bool classBlock;
        };
        std::vector<Open> open{{&root, at, classBlock}};
        openBlock(root, at, classBlock);
        const int n = int(m_lines.size());
        int pos = at + 1;
        for (;;) {
            const Open top = open.back();
            ControlNode &node = *top.node;
            // Attribute lines only ever follow the outermost block.
            if (pos >= n || isAttributeLine(m_lines[pos].text)) {
                const QString what =
                    top.classBlock
                        ? QStringLiteral("BEGIN")
                        : QStringLiteral("Begin %1 %2").arg(node.m_className, node.m_name);
                fail(top.at, QStringLiteral("%1 has no matching End").arg(what));
            }
            const QString t = text(pos).trimmed();
            if (isWord(t, QLatin1String("End"))) {
                node.m_end = m_lines[pos++];
                open.pop_back();
                if (open.empty())
                    return pos;
                continue;
            }
            auto item = std::make_unique<Item>();
            if (startsWithWord(t, QLatin1String("Begin"))) {
                if (top.classBlock || !beginPattern().match(t).hasMatch())
                    fail(pos, QStringLiteral("a Begin line needs a class and a name: %1").arg(t));
                if (int(open.size()) > kMaxControlNesting)
                    fail(pos, QStringLiteral("controls are nested more than %1 levels deep")
                                  .arg(kMaxControlNesting));
                item->kind = Item::Kind::Child;
                item->child.reset(new ControlNode(node.m_style, &node));
                ControlNode *child = item->child.get();
                node.m_items.push_back(std::move(item));
                openBlock(*child, pos, false);
                open.push_back({child, pos, false});
                ++pos;
                continue;
            }
            if (startsWithWord(t, QLatin1String("BeginProperty"))) {
                item->kind = Item::Kind::Block;
                item->blockName = t.section(QLatin1Char(' '), 1, 1, QString::SectionSkipEmpty);
                int depth = 0;
                const int start = pos;
                do {
                    if (pos >= n)
                        fail(start, QStringLiteral("BeginProperty %1 has no matching EndProperty")
                                        .arg(item->blockName));
                    const QString bt = text(pos).trimmed();
                    if (startsWithWord(bt, QLatin1String("BeginProperty")))
                        ++depth;
                    else if (startsWithWord(bt, QLatin1String("EndProperty")))
                        --depth;
                    item->block.append(m_lines[pos++]);
                } while (depth > 0);
            } else if (startsWithWord(t, QLatin1String("EndProperty"))) {
                fail(pos, QStringLiteral("EndProperty without BeginProperty"));
            } else if (t.isEmpty() || t.startsWith(QLatin1Char('\''))) {
                item->kind = Item::Kind::Raw;
                item->line = m_lines[pos++];
            } else if (parsePropertyLine(t, &item->prop)) {
                item->kind = Item::Kind::Property;
                item->prop.line = pos + 1;
                item->line = m_lines[pos++];
            } else {
                fail(pos, QStringLiteral("expected a property line, Begin or End, found: %1")
                              .arg(t.left(60)));
            }
            node.m_items.push_back(std::move(item));
        }
    }

    QString m_fileName;
    QList<TextLine> m_lines;
    CodePage m_codePage;
};

FormFile parseFormFile(const QString &fileName, QList<TextLine> lines, CodePage codePage)
{
    return FormParser(fileName, std::move(lines), codePage).parse();
}

} // namespace vbhost
