// Save As, and files added from outside the project's folder, on the sample project's real
// files; the sample's own folder stands for the installed, read-only one and is never written.
#include "ide/model/workspace.h"
#include "platform/automation/object.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using automation::Value;
using vbhost::Workspace;

namespace {

QString sourcePath(const QString &rel)
{
    return qEnvironmentVariable("TOLVAR_SOURCE_DIR", TOLVAR_SOURCE_DIR) + u'/' + rel;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QHash<QString, QByteArray> folderBytes(const QString &folder)
{
    QHash<QString, QByteArray> out;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        out.insert(name, readAll(folder + u'/' + name));
    return out;
}

int idOf(const Workspace &ws, const QString &name)
{
    for (const auto &d : ws.documents()) {
        if (d.name == name)
            return d.id;
    }
    return -1;
}

class ProjectFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ws.open(demo + QStringLiteral("/Demo.vbp"));
        before = folderBytes(demo);
    }
    void TearDown() override { EXPECT_EQ(folderBytes(demo), before); }

    Value addFile(const QString &path)
    {
        return automation::invoke(automation::invoke(Value(ws.application()), "ActiveProject"),
                                  "AddFile", {path});
    }

    const QString demo = sourcePath(QStringLiteral("examples/Demo"));
    QHash<QString, QByteArray> before;
    QTemporaryDir temp;
    Workspace ws;
};

} // namespace

TEST_F(ProjectFilesTest, SaveAsWritesACopyThatReopensWithUneditedMembersByteForByte)
{
    const int module = idOf(ws, "DemoMod");
    ws.setCode(module, ws.code(module) + "' edited\r\n");
    const QString copy = temp.filePath("copy/Demo2.vbp");
    QDir().mkpath(temp.filePath("copy"));
    ws.saveAs(copy);
    EXPECT_EQ(ws.projectPath(), copy);
    EXPECT_FALSE(ws.isModified());

    Workspace reopened;
    reopened.open(copy);
    EXPECT_TRUE(reopened.missingFiles().isEmpty());
    ASSERT_EQ(reopened.documents().size(), 4);
    for (const QString &name : before.keys()) {
        const QString written = temp.filePath("copy/" + (name == "Demo.vbp" ? "Demo2.vbp" : name));
        if (name == "DemoMod.bas")
            EXPECT_TRUE(readAll(written).endsWith("' edited\r\n"));
        else
            EXPECT_EQ(readAll(written), before.value(name)) << name.toStdString();
    }
}

TEST_F(ProjectFilesTest, AFileFromOutsideJoinsAsACopyThatTravelsWithTheProject)
{
    ws.saveAs(temp.filePath("a/Demo.vbp"));
    const QString templ = sourcePath("data/templates/Login.frm");
    const QByteArray templBytes = readAll(templ);
    EXPECT_EQ(addFile(templ).toString(), "frmLogin");
    ws.save();
    EXPECT_EQ(readAll(templ), templBytes);
    EXPECT_EQ(readAll(temp.filePath("a/Login.frm")), templBytes);

    ASSERT_TRUE(QDir().rename(temp.filePath("a"), temp.filePath("b")));
    Workspace moved;
    moved.open(temp.filePath("b/Demo.vbp"));
    EXPECT_TRUE(moved.missingFiles().isEmpty());
    EXPECT_EQ(moved.document(idOf(moved, "frmLogin")).path, temp.filePath("b/Login.frm"));
}

namespace {

struct AddRefusal
{
    const char *file;     // under the source tree
    const char *inFolder; // a file put in the project's folder first, or null
    const char *saysWhat; // part of the error's description
};

class AddFileRefusalTest : public ProjectFilesTest, public ::testing::WithParamInterface<AddRefusal>
{
};

} // namespace

TEST_P(AddFileRefusalTest, IsError727SayingWhy)
{
    ws.saveAs(temp.filePath("p/Demo.vbp"));
    const AddRefusal r = GetParam();
    const int count = int(ws.documents().size());
    if (r.inFolder) {
        ASSERT_TRUE(QFile::copy(sourcePath(r.file), temp.filePath("p/") + r.inFolder));
    } else {
        addFile(sourcePath(r.file)); // the same template chosen a second time below
    }
    try {
        addFile(sourcePath(r.file));
        ADD_FAILURE() << "no error";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 727);
        EXPECT_TRUE(e.description().contains(r.saysWhat)) << e.description().toStdString();
    }
    EXPECT_EQ(ws.documents().size(), count + (r.inFolder ? 0 : 1));
}

INSTANTIATE_TEST_SUITE_P(
    Names, AddFileRefusalTest,
    ::testing::Values(AddRefusal{"data/templates/Login.frm", nullptr, "already holds a form named"},
                      AddRefusal{"data/templates/Strings.bas", "Strings.bas",
                                 "A file named 'Strings.bas' is already in the project's folder"}));
