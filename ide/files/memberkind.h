#pragma once

#include <QString>
#include <QStringList>

namespace vbhost {

// What a member line of a project file names.
enum class MemberKind {
    Form,
    Module,
    Class,
    UserControl,
    PropertyPage,
    UserDocument,
    Designer,
    ResourceFile,
    RelatedDocument
};

// Forms, user controls, property pages and user documents: files of the form file's shape,
// with a designer and a code window.
bool hasDesigner(MemberKind kind);
// Read and edited as code: the kinds with a designer, modules and classes. The others (designer
// files, the resource file, related documents) are carried byte for byte.
bool isCodeMember(MemberKind kind);
// Suffixes (lower case, without the dot) of the binary files that travel with a member's file
// under the same base name: .frx with a form, .ctx with a user control, ...
QStringList companionSuffixes(MemberKind kind);
// The companions of a member's file that exist, found without regard to letter case.
QStringList companionFiles(MemberKind kind, const QString &filePath);
// The kind a file joins a project as, from its suffix; any other file is a related document.
MemberKind memberKindForFile(const QString &fileName);
// The word the environment shows after a member's name: "Form", "UserControl", "Module", ...
QString memberClassName(MemberKind kind);
// The suffix a new file of the kind is written with ("frm", "bas", "cls", ...).
QString memberSuffix(MemberKind kind);

} // namespace vbhost
