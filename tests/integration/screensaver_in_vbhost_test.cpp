// The tool window's screen saver button over vbhost's model of the demo project: the skeleton
// is saved and opens again.
#include "addinsession.h"

#include "addin/toolwindow/toolwindow.h"
#include "fakeservices.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using automation::Value;

namespace {

TEST(ScreenSaverInVbhostTest, SkeletonIsSavedAndOpensAgain)
{
    QTemporaryDir project;
    const QDir demo(qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/examples/Demo");
    for (const QString &name : demo.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(demo.filePath(name), project.filePath(name)));
    vbhost::Workspace workspace;
    workspace.open(project.filePath("Demo.vbp"));
    ui::FakeServices fake;
    AddInSession session(workspace, &fake);
    QTest::mouseClick(tolvar::toolWindow()->findChild<QWidget *>("Sav"), Qt::LeftButton);
    QWidget *saver = tolvar::forms().find(tolvar::formname::ScreenSaver);
    ASSERT_TRUE(saver && saver->isVisible());
    const int before = workspace.documents().size();
    QTest::mouseClick(saver->findChild<QPushButton *>("Command1(0)"), Qt::LeftButton);
    EXPECT_TRUE(fake.messageBoxes().isEmpty()) << qPrintable(fake.messageBoxes().value(0).prompt);
    EXPECT_EQ(saver->findChild<QStatusBar *>("StatusBar1")->findChild<QLabel *>()->text(), "");
    ASSERT_EQ(workspace.documents().size(), before + 1);
    workspace.save();

    vbhost::Workspace reopened;
    reopened.open(workspace.projectPath());
    const auto docs = reopened.documents();
    auto form = std::find_if(docs.begin(), docs.end(), [](auto &d) { return d.name == "scnsvr"; });
    ASSERT_NE(form, docs.end());
    QStringList controls;
    for (const auto &c : reopened.controls(form->id))
        controls << c.className + " " + c.key;
    EXPECT_EQ(controls, QStringList{"Timer tmrExitNotify"});
    EXPECT_EQ(reopened.property(form->id, {}, "WindowState").toLong(), 2);
    EXPECT_EQ(reopened.property(form->id, {}, "ControlBox"), Value(false));
    EXPECT_EQ(reopened.property(form->id, "tmrExitNotify", "Enabled"), Value(false));
    QFile module(qEnvironmentVariable("TOLVAR_ADDIN_DIR") + "/kzlsav.MOD");
    ASSERT_TRUE(module.open(QIODevice::ReadOnly));
    const QString moduleText = QString::fromLatin1(module.readAll()).replace("\r\n", "\n");
    EXPECT_TRUE(reopened.code(form->id).contains(moduleText.trimmed()));
}

} // namespace
