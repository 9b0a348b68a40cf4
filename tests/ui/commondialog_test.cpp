#include "fakeservices.h"
#include "platform/automation/error.h"
#include "platform/ui/commondialog.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace ui;

TEST(CommonDialogTest, SettingsReachTheServicesAndResultsComeBack)
{
    FakeServices fake;
    ScopedServices scoped(&fake);
    QWidget window;
    CommonDialog dialog(&window);
    EXPECT_EQ(dialog.objectName(), "CommonDialog1");

    dialog.Filter = "All Files (*.*)|*.*|Text Files (*.txt)|*.txt";
    dialog.FilterIndex = 2;
    fake.openFileNames = {QString("/tmp/a.txt"), std::nullopt};
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName, "/tmp/a.txt");
    EXPECT_EQ(fake.callsTo("ShowOpen")[0].args[4], 2);
    dialog.ShowOpen(); // cancelled quietly: the last choice stays
    EXPECT_EQ(dialog.FileName, "/tmp/a.txt");
    dialog.CancelError = true;
    fake.openFileNames = {std::nullopt};
    try {
        dialog.ShowOpen();
        ADD_FAILURE() << "cancelling with CancelError set must raise";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 32755);
    }

    fake.printerAnswers = {{true, 3}};
    EXPECT_TRUE(dialog.ShowPrinter());
    EXPECT_EQ(dialog.Copies, 3);

    dialog.HelpFile = "/addin/tolvar.hlp";
    dialog.HelpContext = 80;
    dialog.HelpCommand = CommonDialog::cdlHelpContext;
    dialog.ShowHelp();
    dialog.HelpCommand = CommonDialog::cdlHelpContents;
    dialog.ShowHelp();
    const auto help = fake.callsTo("WinHelp");
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[0].args, QVariantList({"/addin/tolvar.hlp", 1, 80}));
    EXPECT_EQ(help[1].args.value(1), 0);
}
