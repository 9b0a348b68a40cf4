#include "ide/files/formfile.h"
#include "ide/files/parseerror.h"
#include "ide/files/projectfile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vbhost;

namespace {

QByteArray nestedForm(int levels)
{
    QByteArray t = "VERSION 5.00\r\nBegin VB.Form Form1 \r\n";
    for (int i = 0; i < levels; ++i)
        t += "Begin VB.Frame Frame" + QByteArray::number(i) + " \r\nLeft = 15\r\n";
    for (int i = 0; i <= levels; ++i)
        t += "End\r\n";
    return t + "Attribute VB_Name = \"Form1\"\r\n";
}

TEST(HostileFileTest, DeepNestingReadsAndWritesBackWithoutRecursion)
{
    const QByteArray bytes = nestedForm(2500);
    const FormFile f = FormFile::fromBytes(bytes, QStringLiteral("Deep.frm"));
    EXPECT_EQ(f.controls().size(), 2500);
    EXPECT_EQ(f.controls().back()->parent(), f.controls()[2498]);
    EXPECT_EQ(f.toBytes(), bytes);
}

TEST(HostileFileTest, AbsurdNestingIsRefusedAtTheLineItGoesTooDeep)
{
    try {
        FormFile::fromBytes(nestedForm(40000), QStringLiteral("Deeper.frm"));
        FAIL();
    } catch (const ParseError &e) {
        EXPECT_EQ(e.fileName(), u"Deeper.frm");
        EXPECT_EQ(e.line(), 3 + 2 * kMaxControlNesting);
        EXPECT_TRUE(e.message().contains(u"nested")) << e.text().toStdString();
    }
}

TEST(HostileFileTest, ProjectByteOrderMarkStaysFirst)
{
    ProjectFile p = ProjectFile::fromBytes(
        "\xEF\xBB\xBF[MS Transaction Server]\r\nAutoRefresh=1\r\n", QStringLiteral("P.vbp"));
    p.setValue(QStringLiteral("Type"), QStringLiteral("Exe"));
    p.addMember(ProjectMember::Kind::Form, {}, QStringLiteral("Form1.frm"));
    EXPECT_EQ(
        p.toBytes(),
        "\xEF\xBB\xBFType=Exe\r\nForm=Form1.frm\r\n[MS Transaction Server]\r\nAutoRefresh=1\r\n");
    EXPECT_TRUE(p.removeValue(QStringLiteral("Type")));
    EXPECT_TRUE(p.toBytes().startsWith("\xEF\xBB\xBF"
                                       "Form=Form1.frm\r\n"));
    EXPECT_EQ(ProjectFile::fromBytes(p.toBytes(), p.fileName()).members().size(), 1);
}

TEST(HostileFileTest, FifoIsRefusedAtOnce)
{
    QTemporaryDir dir;
    for (const char *name : {"Pipe.vbp", "Pipe.frm"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        try {
            if (path.endsWith(u".vbp"))
                ProjectFile::load(path);
            else
                FormFile::load(path);
            FAIL();
        } catch (const ParseError &e) {
            EXPECT_EQ(e.line(), 0);
            EXPECT_TRUE(e.message().contains(u"not a regular file")) << e.text().toStdString();
        }
    }
}

} // namespace
