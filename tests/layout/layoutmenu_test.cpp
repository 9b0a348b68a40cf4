#include "designermodel.h"

#include "addin/layout/layoutmenu.h"
#include "addin/runtime/hostapp.h"

#include "fakeservices.h"

#include <gtest/gtest.h>

using automation::Value;

namespace {

enum Item : qint16 { Across, Down, CentreH, CentreV, TabOrder };

// left, top, width, height and tab index (-1: the control has none)
struct Placed
{
    double left, top, width, height;
    int tabIndex = -1;
};

class LayoutMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ui::setServices(&fake);
        model.setFormProperty("ScaleWidth", Value(4801.0));
        model.setFormProperty("ScaleHeight", Value(3603.0));
    }
    void TearDown() override
    {
        ui::setServices(nullptr);
        tolvar::HostApp = Value();
    }

    void add(const std::vector<Placed> &controls)
    {
        for (const Placed &p : controls) {
            auto &c = model.add(
                QStringLiteral("C%1").arg(count++),
                {{"Left", p.left}, {"Top", p.top}, {"Width", p.width}, {"Height", p.height}});
            if (p.tabIndex >= 0)
                c.properties.insert("tabindex", Value(qint16(p.tabIndex)));
        }
    }

    void choose(qint16 item)
    {
        tolvar::HostApp = model.application();
        tolvar::LayoutMenuClick(item, [this](const QString &text) { status = text; });
    }

    ui::FakeServices fake;
    tolvar::testing::DesignerModel model;
    QString status = QStringLiteral("left over");
    int count = 0;
};

struct MoveCase
{
    const char *name;
    Item item;
    std::vector<Placed> controls;
    const char *property;
    std::vector<double> expected; // in the order the controls were added
};

class LayoutMoveTest : public LayoutMenuTest, public ::testing::WithParamInterface<MoveCase>
{
};

TEST_P(LayoutMoveTest, GivesEachControlItsPlace)
{
    add(GetParam().controls);
    choose(GetParam().item);
    for (size_t k = 0; k < GetParam().expected.size(); ++k)
        EXPECT_EQ(model.value(int(k), GetParam().property).toDouble(), GetParam().expected[k]) << k;
    EXPECT_EQ(status, "");
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LayoutMenu, LayoutMoveTest, ::testing::Values(
    MoveCase{"SpaceAcrossWorkedExample", Across,
             {{100, 0, 200, 9}, {400, 0, 300, 9}, {1300, 0, 100, 9}}, "Left", {100, 650, 1300}},
    MoveCase{"SpaceAcrossSortsByLeftKeepingNegativeGap", Across,
             {{200, 0, 300, 9}, {0, 0, 300, 9}, {50, 0, 300, 9}}, "Left", {200, 0, 100}},
    // Gap 0.5: 100.5 and 301.5 go to the even neighbour; 201 is not 100 + 100.5 rounded.
    MoveCase{"SpaceDownRoundsEachPlaceAfreshHalvesToEven", Down,
             {{0, 0, 9, 100}, {0, 7, 9, 100}, {0, 7, 9, 100}, {0, 7, 9, 100}, {0, 402, 9, 100}},
             "Top", {0, 100, 201, 302, 402}},
    MoveCase{"CentreHorizontallyOnScaleWidth", CentreH,
             {{100, 0, 200, 9}, {700, 50, 300, 9}}, "Left", {1950, 2550}},
    MoveCase{"CentreVerticallyOnScaleHeightHalvesToEven", CentreV,
             {{0, 100, 9, 300}, {0, 500, 9, 100}}, "Top", {1552, 1952}},
    // Row one: C0, then C1 (its top above C0's middle); row two: C3 before C2 by Left.
    MoveCase{"TabOrderReadsRowsTopToBottomEachByLeft", TabOrder,
             {{100, 100, 9, 300, 5}, {1000, 200, 9, 300, 3}, {500, 600, 9, 300, 9},
              {50, 700, 9, 300, 1}}, "TabIndex", {1, 3, 9, 5}},
    MoveCase{"TabOrderLeavesOutControlsWithoutTabIndex", TabOrder,
             {{0, 0, 9, 9}, {0, 500, 9, 9, 2}, {0, 100, 9, 9, 7}}, "TabIndex", {0, 7, 2}}),
    [](const auto &info) { return std::string(info.param.name); });

struct TooFewCase { Item item; int controls; const char *status; };
// clang-format on

class LayoutTooFewTest : public LayoutMenuTest, public ::testing::WithParamInterface<TooFewCase>
{
};

TEST_P(LayoutTooFewTest, ChangesNothingAndSaysWhatIsNeeded)
{
    for (int i = 0; i < GetParam().controls; ++i)
        add({{100.0 * i, 100.0 * i, 50, 50, i}});
    choose(GetParam().item);
    EXPECT_TRUE(model.log().isEmpty());
    EXPECT_EQ(status, GetParam().status);
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(LayoutMenu, LayoutTooFewTest,
                         ::testing::Values(TooFewCase{Down, 2, "Select three or more controls."},
                                           TooFewCase{CentreH, 0, "Select one or more controls."},
                                           TooFewCase{TabOrder, 1,
                                                      "Select two or more controls."}));

TEST_F(LayoutMenuTest, EveryItemReportsMissingForm)
{
    add({{0, 0, 9, 9, 0}, {100, 0, 9, 9, 1}, {200, 0, 9, 9, 2}});
    model.setActiveFormMissing(true);
    for (qint16 item : {Across, Down, CentreH, CentreV, TabOrder})
        choose(item);
    ASSERT_EQ(fake.messageBoxes().size(), 5);
    EXPECT_EQ(fake.messageBoxes().at(4).prompt,
              "Error Number: 91\r\nObject variable or With block variable not set");
    EXPECT_TRUE(model.log().isEmpty());
}

TEST_F(LayoutMenuTest, ControlRefusingValueKeepsItOthersMove)
{
    add({{100, 0, 200, 9}, {700, 0, 300, 9}});
    model.add("Line1", {{"Left", Value(400.0)}, {"Width", Value(9.0)}}).refused.insert("left");
    choose(CentreH);
    EXPECT_EQ(model.log(), QStringList({"C0.Left=1950", "C1.Left=2550"}));
}

} // namespace
