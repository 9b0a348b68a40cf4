#include "designermodel.h"

#include "addin/host/hostapp.h"
#include "addin/layout/centreinform.h"
#include "addin/layout/layoutmenu.h"
#include "addin/layout/spaceequally.h"
#include "addin/layout/taborderbyposition.h"

#include "platform/ui/fakeservices.h"

#include <gtest/gtest.h>

using automation::Value;
using tolvar::testing::DesignerModel;

namespace {

enum Item : qint16 { Across, Down, CentreH, CentreV, TabOrder };

// A control as (left, top, width, height, tab index); tab index -1: the control has none.
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
        // Outer size differs from the inside: only ScaleWidth and ScaleHeight may count.
        model.setFormProperty("Width", Value(5000.0));
        model.setFormProperty("Height", Value(4000.0));
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
            auto &c = model.add(QStringLiteral("C%1").arg(count++), {{"Left", Value(p.left)},
                                                                     {"Top", Value(p.top)},
                                                                     {"Width", Value(p.width)},
                                                                     {"Height", Value(p.height)}});
            if (p.tabIndex >= 0) {
                c.properties.insert("tabindex", Value(qint16(p.tabIndex)));
                c.spellings.insert("tabindex", "TabIndex");
            }
        }
    }

    void choose(qint16 item)
    {
        tolvar::HostApp = model.application();
        tolvar::LayoutMenuClick(item, [this](const QString &text) { status = text; });
    }

    ui::FakeServices fake;
    DesignerModel model;
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
    const MoveCase &c = GetParam();
    add(c.controls);
    choose(c.item);
    for (size_t k = 0; k < c.expected.size(); ++k)
        EXPECT_EQ(model.value(int(k), c.property).toDouble(), c.expected[k]) << "control " << k;
    EXPECT_EQ(status, "");
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    LayoutMenu, LayoutMoveTest,
    ::testing::Values(
        MoveCase{"SpaceAcrossWorkedExample",
                 Across,
                 {{100, 0, 200, 10}, {400, 0, 300, 10}, {1300, 0, 100, 10}},
                 "Left",
                 {100, 650, 1300}},
        MoveCase{"SpaceAcrossSortsByLeftAndKeepsNegativeGap",
                 Across,
                 {{200, 0, 300, 10}, {0, 0, 300, 10}, {50, 0, 300, 10}},
                 "Left",
                 {200, 0, 100}},
        // Gap 0.5: 100.5 and 301.5 go to the even neighbour, 201 is not 200 + 0.5 rounded.
        MoveCase{
            "SpaceDownRoundsEachPlaceAfreshHalvesToEven",
            Down,
            {{0, 0, 10, 100}, {0, 7, 10, 100}, {0, 7, 10, 100}, {0, 7, 10, 100}, {0, 402, 10, 100}},
            "Top",
            {0, 100.0, 201, 302, 402}},
        MoveCase{"CentreHorizontallyOnScaleWidth",
                 CentreH,
                 {{100, 0, 200, 10}, {700, 50, 300, 10}},
                 "Left",
                 {1950, 2550}},
        MoveCase{"CentreVerticallyOnScaleHeightHalvesToEven",
                 CentreV,
                 {{0, 100, 10, 300}, {0, 500, 10, 100}},
                 "Top",
                 {1552, 1952}},
        // Row one: C0 and C1 (its top above C0's middle); row two: C3 then C2 by Left.
        MoveCase{"TabOrderReadsRowsTopToBottomEachByLeft",
                 TabOrder,
                 {{100, 100, 10, 300, 5},
                  {1000, 200, 10, 300, 3},
                  {500, 600, 10, 300, 9},
                  {50, 700, 10, 300, 1}},
                 "TabIndex",
                 {1, 3, 9, 5}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LayoutMenuTest, TabOrderLeavesOutControlsWithoutTabIndex)
{
    add({{0, 0, 10, 10}, {0, 500, 10, 10, 2}, {0, 100, 10, 10, 7}});
    choose(TabOrder);
    EXPECT_EQ(model.log(), QStringList({"C2.TabIndex=2", "C1.TabIndex=7"}));
}

struct TooFewCase
{
    Item item;
    int controls;
    const char *status;
};

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
                         ::testing::Values(TooFewCase{Across, 2, "Select three or more controls."},
                                           TooFewCase{Down, 2, "Select three or more controls."},
                                           TooFewCase{CentreH, 0, "Select one or more controls."},
                                           TooFewCase{CentreV, 0, "Select one or more controls."},
                                           TooFewCase{TabOrder, 1,
                                                      "Select two or more controls."}));

TEST_F(LayoutMenuTest, EveryItemReportsMissingForm)
{
    add({{0, 0, 10, 10, 0}, {100, 0, 10, 10, 1}, {200, 0, 10, 10, 2}});
    model.setActiveFormMissing(true);
    for (qint16 item : {Across, Down, CentreH, CentreV, TabOrder})
        choose(item);
    ASSERT_EQ(fake.messageBoxes().size(), 5);
    for (const auto &box : fake.messageBoxes())
        EXPECT_EQ(box.prompt, "Error Number: 91\r\nObject variable or With block variable not set");
    EXPECT_TRUE(model.log().isEmpty());
}

TEST_F(LayoutMenuTest, ControlRefusingValueKeepsItOthersMove)
{
    add({{100, 0, 200, 10}, {700, 0, 300, 10}});
    model.add("Line1", {{"Left", Value(400.0)}, {"Width", Value(10.0)}}).refused.insert("left");
    choose(CentreH);
    EXPECT_EQ(model.log(), QStringList({"C0.Left=1950", "C1.Left=2550"}));
    EXPECT_EQ(model.value(2, "Left").toDouble(), 400.0);
}

} // namespace
