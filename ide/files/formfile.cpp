#include "ide/files/formfile.h"

#include "ide/files/controlnode_p.h"
#include "ide/files/parseerror.h"
#include "ide/files/validate_p.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace vbhost {

namespace {

const QRegularExpression &beginPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\s*Begin\\s+(\\S+)\\s+(\\S+)\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression &attributePattern()
{
    static const QRegularExpression re(QStringLiteral("^Attribute\\s+(\\S+?)\\s*=\\s*(.*)$"),
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

FormFile::FormFile() : m_style(std::make_unique<FormFileStyle>()) {}
FormFile::FormFile(FormFile &&) noexcept = default;
FormFile &FormFile::operator=(FormFile &&) noexcept = default;
FormFile::~FormFile() = default;

FormFile FormFile::load(const QString &path, CodePage codePage)
{
    return fromBytes(readWholeFile(path), path, codePage);
}

FormFile FormFile::fromBytes(const QByteArray &bytes, const QString &fileName, CodePage codePage)
{
    // A byte order mark left by another editor is kept but not read as text.
    QByteArray body = bytes;
    const QByteArray mark = takeByteOrderMark(body);
    FormFile f = FormParser(fileName, splitLines(body), codePage).parse();
    f.m_byteOrderMark = mark;
    return f;
}

FormFile::Kind FormFile::kindForFileName(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == QLatin1String("frm"))
        return Kind::Form;
    if (ext == QLatin1String("cls"))
        return Kind::Class;
    return Kind::Module;
}

FormFile FormFile::newForm(const QString &name, const QString &version, CodePage codePage)
{
    const QString q = quoteString(name);
    QString t;
    if (version == QLatin1String("4.00")) {
        t = QStringLiteral("VERSION 4.00\r\n"
                           "Begin VB.Form %1 \r\n"
                           "   Caption         =   %2\r\n"
                           "   ClientHeight    =   3195\r\n"
                           "   ClientLeft      =   1140\r\n"
                           "   ClientTop       =   1515\r\n"
                           "   ClientWidth     =   4680\r\n"
                           "   Height          =   3600\r\n"
                           "   Left            =   1080\r\n"
                           "   LinkTopic       =   %2\r\n"
                           "   ScaleHeight     =   3195\r\n"
                           "   ScaleWidth      =   4680\r\n"
                           "   Top             =   1170\r\n"
                           "   Width           =   4800\r\n"
                           "End\r\n"
                           "Attribute VB_Name = %2\r\n"
                           "Attribute VB_Creatable = False\r\n"
                           "Attribute VB_Exposed = False\r\n");
    } else {
        t = QStringLiteral("VERSION %3\r\n"
                           "Begin VB.Form %1 \r\n"
                           "   Caption         =   %2\r\n"
                           "   ClientHeight    =   3195\r\n"
                           "   ClientLeft      =   60\r\n"
                           "   ClientTop       =   345\r\n"
                           "   ClientWidth     =   4680\r\n"
                           "   LinkTopic       =   %2\r\n"
                           "   ScaleHeight     =   3195\r\n"
                           "   ScaleWidth      =   4680\r\n"
                           "   StartUpPosition =   3  'Windows Default\r\n"
                           "End\r\n"
                           "Attribute VB_Name = %2\r\n"
                           "Attribute VB_GlobalNameSpace = False\r\n"
                           "Attribute VB_Creatable = False\r\n"
                           "Attribute VB_PredeclaredId = True\r\n"
                           "Attribute VB_Exposed = False\r\n")
                .arg(QStringLiteral("%1"), QStringLiteral("%2"), version);
    }
    return fromBytes(codePage.encode(t.arg(name, q)), name + QStringLiteral(".frm"), codePage);
}

FormFile FormFile::newModule(const QString &name, CodePage codePage)
{
    return fromBytes(
        codePage.encode(QStringLiteral("Attribute VB_Name = %1\r\n").arg(quoteString(name))),
        name + QStringLiteral(".bas"), codePage);
}

FormFile FormFile::newClass(const QString &name, CodePage codePage)
{
    const QString t = QStringLiteral("VERSION 1.0 CLASS\r\n"
                                     "BEGIN\r\n"
                                     "  MultiUse = -1  'True\r\n"
                                     "END\r\n"
                                     "Attribute VB_Name = %1\r\n"
                                     "Attribute VB_GlobalNameSpace = False\r\n"
                                     "Attribute VB_Creatable = True\r\n"
                                     "Attribute VB_PredeclaredId = False\r\n"
                                     "Attribute VB_Exposed = False\r\n")
                          .arg(quoteString(name));
    return fromBytes(codePage.encode(t), name + QStringLiteral(".cls"), codePage);
}

QStringList FormFile::objectReferences() const
{
    static const QRegularExpression re(QStringLiteral("^\\s*Object\\s*=\\s*(.*)$"),
                                       QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    for (const TextLine &l : m_header) {
        const auto m = re.match(m_style->codePage.decode(l.text));
        if (m.hasMatch())
            out.append(m.captured(1).trimmed());
    }
    return out;
}

QByteArray FormFile::eol() const
{
    return m_style->eol;
}

CodePage FormFile::codePage() const
{
    return m_style->codePage;
}

QList<ControlNode *> FormFile::controls() const
{
    return m_root && m_kind == Kind::Form ? m_root->descendants() : QList<ControlNode *>();
}

ControlNode *FormFile::findControl(const QString &name, std::optional<int> index) const
{
    return m_root && m_kind == Kind::Form ? m_root->findChild(name, index) : nullptr;
}

QStringList FormFile::attributeNames() const
{
    QStringList out;
    for (const TextLine &l : m_attributes)
        out.append(attributePattern().match(m_style->codePage.decode(l.text)).captured(1));
    return out;
}

QString FormFile::attribute(const QString &name) const
{
    for (const TextLine &l : m_attributes) {
        const auto m = attributePattern().match(m_style->codePage.decode(l.text));
        if (m.captured(1).compare(name, Qt::CaseInsensitive) == 0)
            return m.captured(2).trimmed();
    }
    return QString();
}

void FormFile::setAttribute(const QString &name, const QString &valueText)
{
    requireWord(name, "an attribute name");
    requireOneLine(valueText, "an attribute value");
    for (TextLine &l : m_attributes) {
        const auto m = attributePattern().match(m_style->codePage.decode(l.text));
        if (m.captured(1).compare(name, Qt::CaseInsensitive) == 0) {
            if (m.captured(2).trimmed() != valueText)
                l.text = m_style->codePage.encode(
                    m_style->codePage.decode(l.text).left(m.capturedStart(2)) + valueText);
            return;
        }
    }
    endLineBeforeCode();
    m_attributes.append(
        {m_style->codePage.encode(QStringLiteral("Attribute %1 = %2").arg(name, valueText)),
         m_style->eol});
}

QString FormFile::moduleName() const
{
    const QString v = attribute(QStringLiteral("VB_Name"));
    if (!v.isEmpty())
        return unquoteString(v).value_or(v);
    return m_root && m_kind == Kind::Form ? m_root->name() : QString();
}

void FormFile::setModuleName(const QString &name)
{
    requireWord(name, "a module name");
    setAttribute(QStringLiteral("VB_Name"), quoteString(name));
    if (m_root && m_kind == Kind::Form)
        m_root->setName(name);
}

QStringList FormFile::codeLines() const
{
    QStringList out;
    out.reserve(m_code.size());
    for (const TextLine &l : m_code)
        out.append(m_style->codePage.decode(l.text));
    return out;
}

QString FormFile::code() const
{
    QString out = codeLines().join(QLatin1Char('\n'));
    if (!m_code.isEmpty() && !m_code.back().eol.isEmpty())
        out.append(QLatin1Char('\n'));
    return out;
}

void FormFile::setCode(const QString &text)
{
    QList<TextLine> lines = textToLines(text, m_style->eol, false, m_style->codePage);
    if (!lines.isEmpty())
        endLineBeforeCode();
    // Lines the new text leaves as they were keep their own line ends.
    const auto same = [](const TextLine &a, const TextLine &b) {
        return a.text == b.text && a.eol.isEmpty() == b.eol.isEmpty();
    };
    const qsizetype common = std::min(lines.size(), m_code.size());
    qsizetype head = 0;
    while (head < common && same(m_code[head], lines[head])) {
        lines[head].eol = m_code[head].eol;
        ++head;
    }
    for (qsizetype tail = 1; tail <= common - head; ++tail) {
        const TextLine &was = m_code[m_code.size() - tail];
        TextLine &now = lines[lines.size() - tail];
        if (!same(was, now))
            break;
        now.eol = was.eol;
    }
    m_code = std::move(lines);
}

void FormFile::appendCode(const QString &text)
{
    QList<TextLine> lines = textToLines(text, m_style->eol, true, m_style->codePage);
    if (lines.isEmpty())
        return;
    if (m_code.isEmpty()) {
        setCode(text);
        if (!m_code.isEmpty())
            m_code.back().eol = m_style->eol;
        return;
    }
    if (m_code.back().eol.isEmpty())
        m_code.back().eol = m_style->eol;
    m_code.append(lines);
}

void FormFile::endLineBeforeCode()
{
    TextLine *last = nullptr;
    if (!m_attributes.isEmpty())
        last = &m_attributes.back();
    else if (m_root)
        last = &m_root->m_end;
    else if (!m_header.isEmpty())
        last = &m_header.back();
    if (last && last->eol.isEmpty())
        last->eol = m_style->eol;
}

int FormFile::codeFirstLine() const
{
    return m_codeFirstLine;
}

QByteArray FormFile::toBytes() const
{
    QList<TextLine> lines = m_header;
    if (m_root)
        m_root->appendTo(lines);
    lines.append(m_attributes);
    lines.append(m_code);
    return m_byteOrderMark + joinLines(lines);
}

void FormFile::save() const
{
    writeFileSafely(m_fileName, toBytes());
}

void FormFile::saveAs(const QString &path)
{
    writeFileSafely(path, toBytes());
    m_fileName = path;
}

} // namespace vbhost
