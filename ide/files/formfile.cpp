#include "ide/files/formfile.h"

#include "ide/files/memberkind.h"

#include "ide/files/controlnode_p.h"
#include "ide/files/formparser_p.h"
#include "ide/files/parseerror.h"
#include "ide/files/validate_p.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace vbhost {

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
    FormFile f = parseFormFile(fileName, splitLines(body), codePage);
    f.m_byteOrderMark = mark;
    return f;
}

FormFile::Kind FormFile::kindForFileName(const QString &fileName)
{
    const MemberKind kind = memberKindForFile(fileName);
    if (hasDesigner(kind))
        return Kind::Form;
    return kind == MemberKind::Class ? Kind::Class : Kind::Module;
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

FormFile FormFile::newClass(const QString &name, const QString &version, CodePage codePage)
{
    // The 4.00 environment knows neither a global namespace nor predeclared classes.
    const QString t = version == QLatin1String("4.00")
                          ? QStringLiteral("VERSION 1.0 CLASS\r\n"
                                           "BEGIN\r\n"
                                           "  MultiUse = -1  'True\r\n"
                                           "END\r\n"
                                           "Attribute VB_Name = %1\r\n"
                                           "Attribute VB_Creatable = False\r\n"
                                           "Attribute VB_Exposed = False\r\n")
                          : QStringLiteral("VERSION 1.0 CLASS\r\n"
                                           "BEGIN\r\n"
                                           "  MultiUse = -1  'True\r\n"
                                           "END\r\n"
                                           "Attribute VB_Name = %1\r\n"
                                           "Attribute VB_GlobalNameSpace = False\r\n"
                                           "Attribute VB_Creatable = True\r\n"
                                           "Attribute VB_PredeclaredId = False\r\n"
                                           "Attribute VB_Exposed = False\r\n");
    return fromBytes(codePage.encode(t.arg(quoteString(name))), name + QStringLiteral(".cls"),
                     codePage);
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

void FormFile::insertCode(int line, const QString &text)
{
    if (line >= m_code.size()) {
        appendCode(text);
        return;
    }
    QList<TextLine> lines = textToLines(text, m_style->eol, true, m_style->codePage);
    for (TextLine &l : lines) {
        if (l.eol.isEmpty())
            l.eol = m_style->eol; // lines follow it
    }
    m_code.insert(std::max(line, 0), lines.size(), TextLine());
    std::copy(lines.begin(), lines.end(), m_code.begin() + std::max(line, 0));
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
