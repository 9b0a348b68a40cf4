#pragma once

#include "ide/files/codepage.h"
#include "ide/files/memberkind.h"
#include "ide/files/textlines.h"

#include <QList>
#include <QString>

namespace vbhost {

// A file the project names: Form=Form1.frm, Module=Module1; Module1.bas, Class=Class1; Class1.cls,
// the other member kinds of 5.00 projects, ResFile32="Project1.res" and RelatedDoc=notes.txt.
struct ProjectMember
{
    using Kind = MemberKind;
    Kind kind = Kind::Form;
    QString name; // the name before ';' (Module, Class), else empty
    QString path; // as written, relative to the project folder, backslashes kept
    int line = 0; // 1-based line in the file as read; 0 for one added since
};

// One Key=Value line of the project file.
struct ProjectEntry
{
    QString key;
    QString value;   // as written, quotes included
    QString section; // "" before the first [Section] line
    int line = 0;
};

// A .vbp project file: raw lines with an index over them. Repeated keys, comments, sections and
// lines not understood are kept, and written back unchanged.
class ProjectFile
{
public:
    ProjectFile(); // an empty 5.00 project with Type=Exe
    // Throw ParseError naming the file and line; nothing is written.
    static ProjectFile load(const QString &path, CodePage codePage = {});
    static ProjectFile fromBytes(const QByteArray &bytes, const QString &fileName,
                                 CodePage codePage = {});

    // The code page texts and file names are read in; changing it reads the lines again.
    CodePage codePage() const { return m_codePage; }
    void setCodePage(CodePage codePage);
    // The code page under which most members' files are found: the current one unless another
    // finds more of them (a project written on a system with another code page).
    CodePage detectCodePage() const;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    QString folder() const;

    QList<ProjectEntry> entries() const; // every Key=Value line in file order
    // First value of a key outside any [Section], as written; fallback when absent.
    QString value(const QString &key, const QString &fallback = QString()) const;
    QStringList values(const QString &key) const;
    // The value with one pair of enclosing quotes removed (Name="Project1").
    QString textValue(const QString &key) const;
    // Replaces the first such line's value, or adds the line after the last key line.
    void setValue(const QString &key, const QString &value);
    bool removeValue(const QString &key); // every line of the key

    QString name() const { return textValue(QStringLiteral("Name")); }
    QString startup() const { return textValue(QStringLiteral("Startup")); }

    QList<ProjectMember> members() const;
    static QString keyForKind(ProjectMember::Kind kind);
    // Adds Form=path / Module=Name; path / Class=Name; path after the last member line.
    void addMember(ProjectMember::Kind kind, const QString &name, const QString &relativePath);
    bool removeMember(const QString &relativePath); // compared without regard to case
    // Points a member's line at another file, in place; false when no member has that path.
    bool setMemberPath(const QString &relativePath, const QString &newPath);
    // Renames a module's or class's line in place; false when no named member has that path.
    bool setMemberName(const QString &relativePath, const QString &name);
    // The member's file on this system: backslashes become separators, relative to the project
    // folder; a name differing only in letter case from a file on disk finds that file.
    QString memberFilePath(const QString &relativePath) const;
    // The same, relative to another folder.
    static QString memberFilePath(const QString &folder, const QString &relativePath);
    // Throws ParseError naming the project file and the line of the first member whose file
    // is missing.
    void checkMembers() const;
    // Members whose file cannot be found, in file order.
    QList<ProjectMember> missingMembers() const;

    QByteArray toBytes() const { return m_byteOrderMark + joinLines(m_lines); }
    void save() const; // throws WriteError
    void saveAs(const QString &path);

private:
    void reindex();
    // Replaces one part of a member's line (its name or its path); the rest stays as written.
    bool rewriteMember(const QString &relativePath, QString ProjectMember::*part,
                       const QString &with);
    QString m_fileName;
    CodePage m_codePage;
    QByteArray m_byteOrderMark; // kept first whatever is added or removed
    QList<TextLine> m_lines;
    QByteArray m_eol = "\r\n";
    struct Indexed
    {
        int lineIndex;
        ProjectEntry entry;
    };
    QList<Indexed> m_index;
    QList<int> m_origLine; // original 1-based line per current line, 0 for added lines
};

} // namespace vbhost
