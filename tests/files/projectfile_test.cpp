#include "fixtures.h"
#include "ide/files/parseerror.h"
#include "ide/files/projectfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vbhost;

namespace {

using Kind = ProjectMember::Kind;

QStringList memberTexts(const ProjectFile &p)
{
    QStringList out;
    for (const ProjectMember &m : p.members())
        out.append(QStringLiteral("%1:%2:%3").arg(ProjectFile::keyForKind(m.kind), m.name, m.path));
    return out;
}

TEST(ProjectReadTest, Vb4MembersInFileOrder)
{
    const ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("vb4project.vbp")));
    EXPECT_EQ(memberTexts(p),
              (QStringList{"Form::Main.frm", "Form::About.frm", "Module:Globals:Globals.bas",
                           "Class:Account:Account.cls"}));
    EXPECT_EQ(p.members()[2].line, 3);
    EXPECT_EQ(p.name(), QStringLiteral("Ledger"));
    EXPECT_EQ(p.textValue(QStringLiteral("exename32")), QStringLiteral("Ledger.exe"));
    EXPECT_EQ(p.textValue(QStringLiteral("VersionCompanyName")), QStringLiteral("Café Software"));
    EXPECT_EQ(p.values(QStringLiteral("Object")).size(), 1);
    EXPECT_TRUE(p.values(QStringLiteral("Reference")).first().endsWith("#OLE Automation"));
}

TEST(ProjectReadTest, Vb5KeysSectionsAndBackslashPaths)
{
    const ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("vb5project.vbp")));
    EXPECT_EQ(p.value(QStringLiteral("Type")), QStringLiteral("Exe"));
    EXPECT_EQ(p.startup(), QStringLiteral("frmMain"));
    EXPECT_EQ(p.values(QStringLiteral("Object")).size(), 2);
    EXPECT_EQ(p.members().size(), 5);
    EXPECT_EQ(p.members()[2].path, QStringLiteral("Modules\\Globals.bas"));
    // A key inside a section is not a top-level key.
    EXPECT_TRUE(p.value(QStringLiteral("AutoRefresh")).isEmpty());
    EXPECT_EQ(p.entries().last().section, QStringLiteral("MS Transaction Server"));
}

TEST(ProjectReadTest, CommentsRepeatedKeysAndOddLinesAreKept)
{
    const ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("commentedproject.vbp")));
    // "; Module=Old; Old.bas" is a comment, not a member.
    EXPECT_EQ(memberTexts(p), (QStringList{"Form::Main.frm", "Module:Globals:Globals.bas",
                                           "Module:Globals:Globals.bas"}));
    EXPECT_EQ(p.values(QStringLiteral("Name")).size(), 2);
    EXPECT_EQ(p.textValue(QStringLiteral("Title")), QStringLiteral("Spaced"));
}

TEST(ProjectEditTest, AddMemberGoesAfterTheLastMember)
{
    ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("vb5project.vbp")));
    p.addMember(Kind::Form, QString(), QStringLiteral("Saver.frm"));
    p.addMember(Kind::Module, QStringLiteral("kzlsav"), QStringLiteral("kzlsav.bas"));
    p.addMember(Kind::Class, QStringLiteral("Timer2"), QStringLiteral("Timer2.cls"));
    EXPECT_TRUE(p.toBytes().contains("Class=Account; Account.cls\r\nForm=Saver.frm\r\n"
                                     "Module=kzlsav; kzlsav.bas\r\nClass=Timer2; Timer2.cls\r\n"
                                     "Startup=\"frmMain\"\r\n"));
    const ProjectFile again = ProjectFile::fromBytes(p.toBytes(), p.fileName());
    EXPECT_EQ(again.members().size(), 8);
    EXPECT_EQ(again.members()[6].name, QStringLiteral("kzlsav"));
}

TEST(ProjectEditTest, AddingToAFileWithoutFinalLineEnd)
{
    ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("commentedproject.vbp")));
    p.setValue(QStringLiteral("Startup"), QStringLiteral("\"Form1\""));
    p.addMember(Kind::Form, QString(), QStringLiteral("Form2.frm"));
    const QByteArray bytes = p.toBytes();
    EXPECT_TRUE(bytes.endsWith("  Title = \"Spaced\"  \nStartup=\"Form1\"\n"));
    EXPECT_TRUE(bytes.contains("Module=Globals; Globals.bas\nForm=Form2.frm\nthis line"));
    EXPECT_EQ(ProjectFile::fromBytes(bytes, "x.vbp").startup(), QStringLiteral("Form1"));
}

TEST(ProjectEditTest, SetValueReplacesInPlaceAndRemoveTakesEveryLine)
{
    ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("vb4project.vbp")));
    p.setValue(QStringLiteral("title"), QStringLiteral("\"Books\""));
    EXPECT_TRUE(p.toBytes().contains("\r\nTitle=\"Books\"\r\nExeName32="));
    EXPECT_TRUE(p.removeValue(QStringLiteral("Form")));
    EXPECT_EQ(p.members().size(), 2);
    EXPECT_TRUE(p.removeMember(QStringLiteral("account.CLS")));
    EXPECT_EQ(p.members().size(), 1);
    EXPECT_FALSE(p.removeMember(QStringLiteral("account.cls")));
}

TEST(ProjectEditTest, NewProjectSavesAndReadsBack)
{
    QTemporaryDir dir;
    ProjectFile p;
    p.addMember(Kind::Form, QString(), QStringLiteral("Form1.frm"));
    p.setValue(QStringLiteral("Name"), QStringLiteral("\"Project1\""));
    p.saveAs(dir.filePath(QStringLiteral("Project1.vbp")));
    EXPECT_EQ(fixtures::bytes(dir.filePath(QStringLiteral("Project1.vbp"))),
              QByteArray("Type=Exe\r\nForm=Form1.frm\r\nName=\"Project1\"\r\n"));
}

TEST(ProjectMembersTest, PathsResolveWithoutRegardToCase)
{
    const ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("ledger/Ledger.vbp")));
    EXPECT_NO_THROW(p.checkMembers());
    EXPECT_EQ(p.memberFilePath(p.members()[0].path),
              fixtures::path(QStringLiteral("ledger/Main.frm")));
    EXPECT_EQ(p.memberFilePath(p.members()[1].path),
              fixtures::path(QStringLiteral("ledger/Modules/Globals.bas")));
    EXPECT_EQ(p.memberFilePath(QStringLiteral("C:\\VB\\Projects\\Account.cls")),
              fixtures::path(QStringLiteral("ledger/Account.cls")));
}

TEST(ProjectMembersTest, MissingMemberNamesProjectAndLine)
{
    const QString name = fixtures::path(QStringLiteral("ledger/Broken.vbp"));
    const ProjectFile p = ProjectFile::load(name);
    try {
        p.checkMembers();
        FAIL() << "no error for a missing member";
    } catch (const ParseError &e) {
        EXPECT_EQ(e.fileName(), name);
        EXPECT_EQ(e.line(), 2);
        EXPECT_TRUE(e.message().contains(QStringLiteral("Missing.frm")));
    }
}

} // namespace

namespace {

TEST(ProjectEditTest, EditsThatWouldBreakTheFileAreRefused)
{
    ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("vb4project.vbp")));
    const QByteArray before = p.toBytes();
    EXPECT_THROW(p.setValue(QStringLiteral("Title"), QStringLiteral("\"a\nb\"")),
                 std::invalid_argument);
    EXPECT_THROW(p.setValue(QStringLiteral("A=B"), QStringLiteral("1")), std::invalid_argument);
    EXPECT_THROW(p.addMember(Kind::Module, QStringLiteral("Mod;1"), QStringLiteral("m.bas")),
                 std::invalid_argument);
    EXPECT_THROW(p.addMember(Kind::Form, QString(), QStringLiteral(" ")), std::invalid_argument);
    EXPECT_EQ(p.toBytes(), before);
}

} // namespace

namespace {

TEST(ProjectReadTest, ByteOrderMarkFromAnotherEditorIsSkipped)
{
    ProjectFile p = ProjectFile::load(fixtures::path(QStringLiteral("bom.vbp")));
    EXPECT_EQ(p.value(QStringLiteral("Type")), QStringLiteral("Exe"));
    p.setValue(QStringLiteral("Type"), QStringLiteral("OleExe"));
    EXPECT_TRUE(p.toBytes().startsWith("\xef\xbb\xbfType=OleExe\r\n"));
}

} // namespace
