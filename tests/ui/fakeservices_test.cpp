#include "fakeservices.h"
#include "platform/automation/error.h"
#include "platform/ui/msgboxstyle.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

struct StyleCase
{
    int buttons;
    QList<int> results;
    int defaultButton;
    int escapeButton;
    int icon;
};

class MsgBoxStyleTest : public ::testing::TestWithParam<StyleCase>
{
};

TEST_P(MsgBoxStyleTest, ReadsButtonsDefaultEscapeAndIcon)
{
    const StyleCase c = GetParam();
    const MsgBoxStyle style = msgBoxStyle(c.buttons);
    EXPECT_EQ(style.buttons, c.results);
    EXPECT_EQ(style.defaultButton, c.defaultButton);
    EXPECT_EQ(style.escapeButton, c.escapeButton);
    EXPECT_EQ(style.icon, c.icon);
    EXPECT_EQ(style.systemModal, (c.buttons & 4096) != 0);
}

INSTANTIATE_TEST_SUITE_P(Values, MsgBoxStyleTest,
                         ::testing::Values(StyleCase{0, {1}, 1, 1, 0},
                                           StyleCase{291, {6, 7, 2}, 7, 2, 32},
                                           StyleCase{2 + 512 + 16, {3, 4, 5}, 5, 0, 16},
                                           StyleCase{4 + 512 + 48, {6, 7}, 6, 0, 48},
                                           StyleCase{5 + 4096 + 64, {4, 2}, 4, 2, 64},
                                           StyleCase{1 + 768, {1, 2}, 1, 2, 0},
                                           StyleCase{6 + 80, {1}, 1, 1, 0}));

TEST(FakeServicesTest, AnswersFromQueuesThenAsEnterWould)
{
    FakeServices fake;
    fake.msgBoxResults = {7};
    fake.inputBoxTexts = {"typed"};
    EXPECT_EQ(fake.MsgBox("Save?", 3), 7);
    EXPECT_EQ(fake.MsgBox("Save?", 3 + 256), 7);
    EXPECT_EQ(fake.MsgBox("Save?", 3), 6);
    EXPECT_EQ(fake.InputBox("Name", "T", "Guest"), "typed");
    EXPECT_EQ(fake.InputBox("Name", "T", "Guest", 1000, 2000), "Guest");

    const auto boxes = fake.messageBoxes();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[1].buttons, 3 + 256);
    EXPECT_EQ(boxes[1].prompt, "Save?");
    const auto inputs = fake.callsTo("InputBox");
    ASSERT_EQ(inputs.size(), 2);
    EXPECT_FALSE(inputs[0].args[3].isValid());
    EXPECT_EQ(inputs[1].args[3].toDouble(), 1000);
    EXPECT_EQ(fake.calls.size(), 5);
}

TEST(FakeServicesTest, OpenAndPrintDialogsCancelLikeTheCommonDialog)
{
    FakeServices fake;
    fake.openFileNames = {QString("/tmp/a.hlp"), std::nullopt};
    OpenFileRequest request;
    request.title = "T";
    request.filter = "Help|*.hlp";
    request.cancelError = true;
    EXPECT_EQ(fake.ShowOpen(nullptr, request), "/tmp/a.hlp");
    request.filter.clear();
    EXPECT_THROW(fake.ShowOpen(nullptr, request), automation::Error);
    EXPECT_EQ(fake.ShowOpen(nullptr, {}), "");
    EXPECT_EQ(fake.callsTo("ShowOpen")[0].args[1], "Help|*.hlp");

    fake.printerAnswers = {{true, 3}, {false, 1}, {false, 1}};
    EXPECT_TRUE(fake.ShowPrinter(nullptr, true));
    EXPECT_EQ(fake.printerCopies(), 3);
    try {
        fake.ShowPrinter(nullptr, true);
        ADD_FAILURE() << "no error raised";
    } catch (const automation::Error &e) {
        EXPECT_EQ(e.number(), 32755);
    }
    EXPECT_FALSE(fake.ShowPrinter(nullptr, false));
    EXPECT_TRUE(fake.ShowPrinter(nullptr, true));
}

TEST(FakeServicesTest, RecordsPrintedDocumentsAndClipboard)
{
    FakeServices fake;
    fake.printerPrint("one");
    fake.printerPrint("one");
    EXPECT_EQ(fake.printerEndDoc(), "");
    EXPECT_EQ(fake.printedDocuments, QStringList{"one\none\n"});
    EXPECT_EQ(fake.printerText, "");
    fake.setClipboardText("code");
    EXPECT_EQ(fake.clipboardText(), "code");
}

TEST(FakeServicesTest, DoEventsRunsHookAndEndProcessThrows)
{
    FakeServices fake;
    int hooked = 0;
    fake.onDoEvents = [&] { ++hooked; };
    fake.DoEvents();
    fake.DoEvents();
    EXPECT_EQ(fake.doEventsCount, 2);
    EXPECT_EQ(hooked, 2);
    EXPECT_THROW(fake.EndProcess(), ProcessEnded);
    EXPECT_EQ(fake.screenWidthTwips(), 15360);
    EXPECT_EQ(fake.screenHeightTwips(), 11520);
}

TEST(ServicesAccessTest, ScopedServicesRestoresPrevious)
{
    FakeServices outer, inner;
    ScopedServices a(&outer);
    {
        ScopedServices b(&inner);
        EXPECT_EQ(&services(), &inner);
    }
    EXPECT_EQ(&services(), &outer);
    EXPECT_TRUE(hasServices());
}

} // namespace
