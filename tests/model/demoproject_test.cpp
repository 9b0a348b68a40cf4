// The sample project that ships for the first run, opened from its real files.
#include "ide/model/workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using automation::Value;
using automation::Values;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DemoProjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QDir source(qEnvironmentVariable("TOLVAR_SOURCE_DIR", TOLVAR_SOURCE_DIR) +
                          QStringLiteral("/examples/Demo"));
        if (!source.exists(QStringLiteral("Demo.vbp")))
            GTEST_SKIP() << "no sample project";
        for (const QString &name : source.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), dir.filePath(name)));
        ws.open(dir.filePath(QStringLiteral("Demo.vbp")));
    }
    QTemporaryDir dir;
    vbhost::Workspace ws;
};

} // namespace

TEST_F(DemoProjectTest, EveryPropertyOfEveryControlReads)
{
    int forms = 0;
    for (const auto &doc : ws.documents()) {
        if (doc.kind != vbhost::DocumentKind::Form)
            continue;
        ++forms;
        EXPECT_FALSE(ws.properties(doc.id, {}).isEmpty());
        for (const auto &c : ws.controls(doc.id)) {
            const auto props = ws.properties(doc.id, c.key);
            EXPECT_FALSE(props.isEmpty()) << c.key.toStdString();
        }
    }
    EXPECT_EQ(forms, 2);
    EXPECT_EQ(ws.documents().size(), 4);
}

TEST_F(DemoProjectTest, AligningThroughTheModelChangesOnlyTheLeftLines)
{
    const int main = ws.documents()[0].id;
    ws.setActiveForm(main);
    ws.setSelection(
        {QStringLiteral("cmdAdd"), QStringLiteral("cmdRemove"), QStringLiteral("lstItems")});
    const Value app(ws.application());
    const Value form = automation::invoke(automation::invoke(app, "ActiveProject"), "ActiveForm");
    const Values sel = automation::enumerate(automation::invoke(form, "SelectedControlTemplates"));
    ASSERT_EQ(sel.size(), 3);
    double r = 99999;
    for (const Value &c : sel)
        r = std::min(
            r,
            automation::invoke(automation::invoke(c, "Properties", {"Left"}), "Value").toDouble());
    for (const Value &c : sel)
        automation::assign(automation::invoke(c, "Properties"), "Item", {"Left"}, qint32(r));
    ws.save();

    const QDir source(qEnvironmentVariable("TOLVAR_SOURCE_DIR", TOLVAR_SOURCE_DIR) +
                      QStringLiteral("/examples/Demo"));
    for (const char *name : {"Demo.vbp", "Options.frm", "DemoMod.bas", "Counter.cls"})
        EXPECT_EQ(readAll(dir.filePath(name)), readAll(source.filePath(name))) << name;
    const QList<QByteArray> before = readAll(source.filePath("Main.frm")).split('\n');
    const QList<QByteArray> after = readAll(dir.filePath("Main.frm")).split('\n');
    ASSERT_EQ(before.size(), after.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            EXPECT_TRUE(after[i].trimmed().startsWith("Left")) << after[i].constData();
        }
    }
}
