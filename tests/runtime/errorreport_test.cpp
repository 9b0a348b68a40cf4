#include "addin/runtime/addinfolder.h"
#include "addin/runtime/errorreport.h"
#include "addin/runtime/traps.h"
#include "addin/windows/centerform.h"

#include "fakeservices.h"
#include "platform/ui/twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

using automation::Error;

namespace {

class ReportTest : public ::testing::Test
{
protected:
    ui::FakeServices fake;
    ui::ScopedServices scoped{&fake};
};

struct Report
{
    const char *name;
    qint32 number;
    const char *description;
    const char *prompt;
};

class ReportErrorTest : public ReportTest, public ::testing::WithParamInterface<Report>
{
};

TEST_P(ReportErrorTest, ShowsNumberLineBreakAndDescription)
{
    const Report &r = GetParam();
    tolvar::ReportError(Error(r.number, QString::fromUtf8(r.description)));
    const auto boxes = fake.callsTo("MsgBox");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].args, QVariantList({QString::fromUtf8(r.prompt), 64,
                                           "Vantix Software Tolvar Add-In", QString(), 0}));
}

INSTANTIATE_TEST_SUITE_P(
    ReportTest, ReportErrorTest,
    ::testing::Values(Report{"ObjectNotSet", 91, "Object variable or With block variable not set",
                             "Error Number: 91\r\nObject variable or With block variable not set"},
                      Report{"Negative", -2147417848, "Automation error",
                             "Error Number: -2147417848\r\nAutomation error"},
                      Report{"EmptyDescription", 380, "", "Error Number: 380\r\n"},
                      Report{"Zero", 0, "x", "Error Number: 0\r\nx"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportTest, TrapStylesReportOnlyWhenAsked)
{
    bool after = false;
    tolvar::ReportAndLeave([&] {
        throw Error::memberNotFound();
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_EQ(fake.callsTo("MsgBox").size(), 1);

    tolvar::IgnoreAndContinue([] { throw Error::overflow(); });
    tolvar::LeaveQuietly([] { throw Error::cancelled(); });
    EXPECT_EQ(fake.callsTo("MsgBox").size(), 1);
}

TEST_F(ReportTest, TrapsLetProcessEndThrough)
{
    EXPECT_THROW(tolvar::ReportAndLeave([&] { fake.EndProcess(); }), ui::ProcessEnded);
    EXPECT_THROW(tolvar::IgnoreAndContinue([&] { fake.EndProcess(); }), ui::ProcessEnded);
}

struct Centring
{
    const char *name;
    double screenWidth, windowWidth;
    int left;
};

class CenterPositionTest : public ::testing::TestWithParam<Centring>
{
};

TEST_P(CenterPositionTest, RoundsHalvesToEvenThenTruncatesHalf)
{
    const Centring &c = GetParam();
    const QPoint p =
        tolvar::centeredPositionTwips(c.screenWidth, c.screenWidth, c.windowWidth, c.windowWidth);
    EXPECT_EQ(p, QPoint(c.left, c.left));
}

INSTANTIATE_TEST_SUITE_P(CenterTest, CenterPositionTest,
                         ::testing::Values(Centring{"FiveTwipsWider", 15360, 15365, -2},
                                           Centring{"FiveTwipsNarrower", 15360, 15355, 2},
                                           Centring{"HalfRoundsDownToEven", 1000, 1.5, 499},
                                           Centring{"HalfRoundsUpToEven", 1000, 0.5, 500},
                                           Centring{"NegativeHalfToEven", 1000, 1000.5, 0},
                                           Centring{"OneWiderTruncatesToZero", 1000, 1001, 0},
                                           Centring{"ThreeWider", 1000, 1003, -1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReportTest, CenterFormMovesWithoutResizing)
{
    QWidget form;
    form.setObjectName("form");
    form.resize(400, 300);
    form.show();
    const QSize size = form.frameGeometry().size();
    fake.screenWidth = 15360;
    fake.screenHeight = 11520;

    tolvar::CenterForm(&form);

    const QPoint twips = tolvar::centeredPositionTwips(
        15360, 11520, ui::pixelsToTwips(size.width()), ui::pixelsToTwips(size.height()));
    EXPECT_EQ(form.frameGeometry().topLeft(),
              QPoint(ui::twipsToPixels(twips.x()), ui::twipsToPixels(twips.y())));
    EXPECT_EQ(form.frameGeometry().size(), size);
    EXPECT_EQ(form.size(), QSize(400, 300));
    EXPECT_TRUE(fake.callsTo("MsgBox").isEmpty());
}

TEST_F(ReportTest, CenterFormWiderThanScreenGoesLeftOfOrigin)
{
    QWidget form;
    form.resize(300, 100);
    fake.screenWidth = int(ui::pixelsToTwips(200));
    tolvar::CenterForm(&form);
    EXPECT_EQ(form.frameGeometry().left(), ui::twipsToPixels(-ui::pixelsToTwips(100) / 2));
    EXPECT_LT(form.frameGeometry().left(), 0);
    EXPECT_EQ(form.size(), QSize(300, 100));
}

TEST_F(ReportTest, CenterFormWithoutWindowReports)
{
    tolvar::CenterForm(nullptr);
    ASSERT_EQ(fake.callsTo("MsgBox").size(), 1);
    EXPECT_TRUE(fake.callsTo("MsgBox")[0].args[0].toString().startsWith("Error Number: 91\r\n"));
}

TEST(AddInFolderTest, FolderOfExecutableAndUnconditionalJoin)
{
    EXPECT_EQ(tolvar::AddInFolder(), QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    tolvar::setAddInFolderForTesting("/opt/tolvar/");
    EXPECT_EQ(tolvar::AddInPath("tolvar.hlp"), "/opt/tolvar//tolvar.hlp");
    tolvar::setAddInFolderForTesting("/opt/tolvar");
    EXPECT_EQ(tolvar::AddInPath("temp.MOD"), "/opt/tolvar/temp.MOD");
    tolvar::setAddInFolderForTesting({});
}

} // namespace
