// A project naming a member of every kind the project file may hold: each is listed, and Save As
// carries every file with its binary companions, or names the one it could not and writes no
// project file.
#include "ide/model/workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using vbhost::DocumentKind;
using vbhost::Workspace;
using vbhost::WorkspaceError;

namespace {

QHash<QString, QByteArray> folderBytes(const QString &folder)
{
    QHash<QString, QByteArray> out;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile f(folder + u'/' + name);
        out.insert(name, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return out;
}

std::set<std::pair<DocumentKind, QString>> listing(const Workspace &ws)
{
    std::set<std::pair<DocumentKind, QString>> out;
    for (const auto &d : ws.documents())
        out.insert({d.kind, d.name});
    return out;
}

class AllKindsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QDir fixture(qEnvironmentVariable("TOLVAR_SOURCE_DIR", TOLVAR_SOURCE_DIR) +
                           QStringLiteral("/tests/files/fixtures/allkinds"));
        QDir().mkpath(source());
        for (const QString &name : fixture.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(fixture.filePath(name), source() + u'/' + name));
        original = folderBytes(source());
        ws.open(source() + QStringLiteral("/AllKinds.vbp"));
    }
    QString source() const { return dir.filePath(QStringLiteral("source")); }
    QString target() const { return dir.filePath(QStringLiteral("copy")); }

    QTemporaryDir dir;
    QHash<QString, QByteArray> original;
    Workspace ws;
};

} // namespace

TEST_F(AllKindsTest, EveryMemberIsListedUnderItsKind)
{
    const std::set<std::pair<DocumentKind, QString>> expected{
        {DocumentKind::Form, "Main"},
        {DocumentKind::Module, "Util"},
        {DocumentKind::Class, "Thing"},
        {DocumentKind::UserControl, "Gauge"},
        {DocumentKind::PropertyPage, "GaugePage"},
        {DocumentKind::UserDocument, "Report"},
        {DocumentKind::Designer, "Env"},
        {DocumentKind::ResourceFile, "AllKinds.res"},
        {DocumentKind::RelatedDocument, "Notes.txt"}};
    EXPECT_EQ(listing(ws), expected);
    EXPECT_TRUE(ws.missingFiles().isEmpty());
}

TEST_F(AllKindsTest, MissingFilesOfEveryKindAreReported)
{
    std::set<DocumentKind> kinds;
    for (const auto &d : ws.documents()) {
        if (d.kind != DocumentKind::Form) {
            kinds.insert(d.kind);
            QFile::remove(d.path);
        }
    }
    Workspace again;
    again.open(ws.projectPath());
    std::set<DocumentKind> missing;
    for (const auto &m : again.missingFiles())
        missing.insert(m.kind);
    EXPECT_EQ(missing, kinds);
    EXPECT_EQ(again.documents().size(), 1);
}

TEST_F(AllKindsTest, SaveAsCopiesEveryFileByteForByteAndReopensWhole)
{
    ws.saveAs(target() + QStringLiteral("/AllKinds.vbp"));
    EXPECT_EQ(folderBytes(target()), original);
    EXPECT_EQ(ws.projectPath(), target() + QStringLiteral("/AllKinds.vbp"));
    Workspace reopened;
    reopened.open(ws.projectPath());
    EXPECT_EQ(listing(reopened), listing(ws));
    EXPECT_TRUE(reopened.missingFiles().isEmpty());
}

TEST_F(AllKindsTest, MembersOfEveryKindLeaveAndJoinWithUndo)
{
    const int before = int(ws.documents().size());
    for (const auto &d : ws.documents()) {
        if (d.kind != DocumentKind::Form)
            ws.removeFile(d.id);
    }
    ws.closeUndoStep();
    EXPECT_EQ(ws.documents().size(), 1);
    ws.save();
    EXPECT_TRUE(ws.canUndo());
    while (ws.canUndo())
        ws.undo();
    EXPECT_EQ(ws.documents().size(), before);
    ws.save();
    EXPECT_EQ(folderBytes(source()), original);
}

struct SaveAsFailure
{
    const char *what;
    const char *file; // the file the message names
    void (*spoil)(const QString &source, const QString &target);
};

class SaveAsFailureTest : public AllKindsTest, public ::testing::WithParamInterface<SaveAsFailure>
{
};

TEST_P(SaveAsFailureTest, NamesTheFileAndWritesNoProjectFile)
{
    GetParam().spoil(source(), target());
    const QHash<QString, QByteArray> targetBefore = folderBytes(target());
    try {
        ws.saveAs(target() + QStringLiteral("/AllKinds.vbp"));
        ADD_FAILURE() << "saved";
    } catch (const WorkspaceError &e) {
        EXPECT_TRUE(e.text().contains(QString::fromLatin1(GetParam().file))) << e.what();
    }
    EXPECT_EQ(folderBytes(target()), targetBefore);
    EXPECT_EQ(ws.projectPath(), source() + QStringLiteral("/AllKinds.vbp"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveAsFailureTest,
    ::testing::Values(SaveAsFailure{"MemberRemoved", "Gauge.ctl",
                                    [](const QString &source, const QString &) {
                                        QFile::remove(source + QStringLiteral("/Gauge.ctl"));
                                    }},
                      SaveAsFailure{"FolderInTheWay", "Notes.txt",
                                    [](const QString &, const QString &target) {
                                        QDir().mkpath(target + QStringLiteral("/Notes.txt"));
                                    }}),
    [](const auto &info) { return std::string(info.param.what); });
