#pragma once

#include "ide/files/codepage.h"
#include "ide/files/controlnode.h"
#include "ide/files/textlines.h"

#include <QList>
#include <QString>
#include <memory>

namespace vbhost {

// How new lines are written in one file: taken from the file itself.
struct FormFileStyle
{
    QByteArray eol = "\r\n";
    QString classPrefix = QStringLiteral("VB."); // "" for files that write bare class names
    bool beginTrailingBlank = true;              // "Begin VB.Form Form1 " with its blank
    CodePage codePage;                           // the project's
};

// Deeper nesting of Begin blocks than this is refused: no designer draws it, and it is how a
// damaged or hostile file looks.
constexpr int kMaxControlNesting = 4000;

// A form (.frm, and the files of its shape: .ctl, .pag, .dob), class module (.cls) or code
// module (.bas): header (VERSION, Object= lines),
// the control tree or class BEGIN block, the Attribute lines, and the code.
// Read and written back without edits, the bytes are the same.
class FormFile
{
public:
    enum class Kind { Form, Class, Module };

    // Throw ParseError naming the file and line; nothing is written.
    static FormFile load(const QString &path, CodePage codePage = {});
    static FormFile fromBytes(const QByteArray &bytes, const QString &fileName,
                              CodePage codePage = {});
    // Kind from the extension: .frm and the other form-shaped files (.ctl, .pag, .dob) Form,
    // .cls Class, anything else Module.
    static Kind kindForFileName(const QString &fileName);
    // New files as the designer writes them; version "5.00" or "4.00", the project's form version.
    static FormFile newForm(const QString &name, const QString &version = QStringLiteral("5.00"),
                            CodePage codePage = {});
    static FormFile newModule(const QString &name, CodePage codePage = {});
    static FormFile newClass(const QString &name, const QString &version = QStringLiteral("5.00"),
                             CodePage codePage = {});

    FormFile(FormFile &&) noexcept;
    FormFile &operator=(FormFile &&) noexcept;
    ~FormFile();

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    Kind kind() const { return m_kind; }
    // "5.00", "4.00", "1.0"; empty when the file has no VERSION line (modules).
    QString version() const { return m_version; }
    // Object = "..." lines of the header, text after '=' as written.
    QStringList objectReferences() const;
    QByteArray eol() const;
    CodePage codePage() const;

    // The form block (Begin VB.Form ...) or class BEGIN block; null for a module.
    ControlNode *root() { return m_root.get(); }
    const ControlNode *root() const { return m_root.get(); }
    // Every control and menu below the form, depth first in file order.
    QList<ControlNode *> controls() const;
    ControlNode *findControl(const QString &name, std::optional<int> index = std::nullopt) const;

    // Attribute lines following the block (or opening a module): value text as written.
    QStringList attributeNames() const;
    QString attribute(const QString &name) const;
    void setAttribute(const QString &name, const QString &valueText);
    // VB_Name unquoted; the form block's name when there is no VB_Name.
    QString moduleName() const;
    // Sets VB_Name and, for a form, the form block's name.
    void setModuleName(const QString &name);

    // The code after the attributes, lines joined with "\n"; a final line end gives a final "\n".
    QString code() const;
    QStringList codeLines() const;
    // Line ends in the text may be CRLF, LF or CR; they are written with the file's line end.
    void setCode(const QString &text);
    void appendCode(const QString &text);
    // Puts the text's lines before code line `line` (0-based; at or past the end appends).
    void insertCode(int line, const QString &text);
    int codeFirstLine() const; // 1-based line where the code starts in the file as read

    QByteArray toBytes() const;
    // Throws WriteError; writes beside the file and renames over it.
    void save() const;
    void saveAs(const QString &path);

private:
    FormFile();
    friend class FormParser;
    // Gives the last line before the code a line end, so that lines can follow it.
    void endLineBeforeCode();

    QString m_fileName;
    Kind m_kind = Kind::Module;
    QString m_version;
    QByteArray m_byteOrderMark; // kept first whatever the edits
    std::unique_ptr<FormFileStyle> m_style;
    QList<TextLine> m_header;
    std::unique_ptr<ControlNode> m_root;
    QList<TextLine> m_attributes; // Attribute lines and blank lines among them
    QList<TextLine> m_code;
    int m_codeFirstLine = 0;
};

} // namespace vbhost
