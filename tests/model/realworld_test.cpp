#include "ide/model/workspace.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using automation::Value;
using vbhost::Workspace;

namespace {

// A copy of a project of tests/files/fixtures, so that saving it leaves the fixture alone.
class RealWorldProject : public ::testing::Test
{
protected:
    QString copy(const QString &folder)
    {
        const QDir source(qEnvironmentVariable("TOLVAR_SOURCE_DIR", TOLVAR_SOURCE_DIR) +
                          QStringLiteral("/tests/files/fixtures/") + folder);
        QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = dir.filePath(source.relativeFilePath(from));
            QDir().mkpath(QFileInfo(to).absolutePath());
            QFile::copy(from, to);
            m_original.insert(source.relativeFilePath(from), bytes(to));
        }
        return dir.path();
    }
    QByteArray bytes(const QString &name) const
    {
        QFile f(name.startsWith(u'/') ? name : dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Saves after one edit: the edited file changes, every other one keeps its bytes.
    void expectOnlyEditedFileChanges(const QString &edited)
    {
        ws.save();
        for (auto it = m_original.cbegin(); it != m_original.cend(); ++it) {
            if (it.key() == edited)
                EXPECT_NE(bytes(it.key()), it.value()) << it.key().toStdString();
            else
                EXPECT_EQ(bytes(it.key()), it.value()) << it.key().toStdString();
        }
    }
    int formId(const QString &name) const
    {
        for (const vbhost::DocumentInfo &d : ws.documents()) {
            if (d.name == name)
                return d.id;
        }
        return -1;
    }

    QTemporaryDir dir;
    Workspace ws;
    QHash<QString, QByteArray> m_original;
};

TEST_F(RealWorldProject, MissingModuleLeavesTheRestOpenAndTheProjectFileAsItWas)
{
    ws.open(copy(QStringLiteral("missing")) + QStringLiteral("/Shop.vbp"));
    QStringList names;
    for (const vbhost::DocumentInfo &d : ws.documents())
        names << d.name;
    EXPECT_EQ(names, QStringList({"frmMain", "Helpers"})); // LIB\HELPERS.BAS found as well
    ASSERT_EQ(ws.missingFiles().size(), 1);
    EXPECT_EQ(ws.missingFiles()[0].line, 3);
    const int form = formId(QStringLiteral("frmMain"));
    EXPECT_EQ(ws.property(form, QStringLiteral("Inet1"), QStringLiteral("ExtraData[]")),
              Value(QStringLiteral("AAAB")));
    ws.setGeometry(form, QStringLiteral("cmdBuy"), 1320, 1800, 1215, 375);
    expectOnlyEditedFileChanges(QStringLiteral("frmMain.frm"));
}

TEST_F(RealWorldProject, GbkProjectOpensShowsItsTextsAndRoundTrips)
{
    const QString vbp = copy(QStringLiteral("gbk")) + QStringLiteral("/Gbk.vbp");
    ws.open(vbp);
    EXPECT_EQ(ws.codePage(), 936);
    EXPECT_TRUE(ws.missingFiles().isEmpty());
    ASSERT_EQ(ws.documents().size(), 2);
    const int form = formId(QStringLiteral("Main"));
    EXPECT_EQ(ws.property(form, {}, QStringLiteral("Caption")), Value(QStringLiteral("主窗口")));
    ws.setProperty(form, QStringLiteral("lblTitle"), QStringLiteral("Caption"),
                   Value(QStringLiteral("新标题")));
    // A character the code page lacks is refused rather than written as '?'.
    EXPECT_THROW(
        ws.setProperty(form, {}, QStringLiteral("Caption"), Value(QStringLiteral("\U0001F600"))),
        automation::Error);
    expectOnlyEditedFileChanges(QStringLiteral("Main.frm"));
    EXPECT_TRUE(bytes(QStringLiteral("Main.frm")).contains("\"\xD0\xC2\xB1\xEA\xCC\xE2\""));

    // Chosen as 1252 the module path names nothing, and the module is reported missing.
    ws.open(vbp, 1252);
    EXPECT_EQ(ws.codePage(), 1252);
    EXPECT_EQ(ws.missingFiles().size(), 1);
}

} // namespace
