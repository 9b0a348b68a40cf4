#include "designermodel.h"

#include "addin/layout/aligncontrols.h"
#include "addin/layout/matchcontrolsizes.h"
#include "addin/runtime/hostapp.h"

#include "fakeservices.h"

#include <gtest/gtest.h>

using automation::Value;
using tolvar::testing::DesignerModel;

namespace {

class LayoutTest : public ::testing::Test
{
protected:
    void SetUp() override { ui::setServices(&fake); }
    void TearDown() override
    {
        ui::setServices(nullptr);
        tolvar::HostApp = Value();
    }

    void connect() { tolvar::HostApp = model.application(); }

    void align(const char *position, const char *extent)
    {
        connect();
        tolvar::AlignControls(QString::fromLatin1(position), QString::fromLatin1(extent));
    }

    void match(qint16 mode)
    {
        connect();
        tolvar::MatchControlSizes(mode);
    }

    double at(int index, const char *property) const
    {
        return model.value(index, QString::fromLatin1(property)).toDouble();
    }

    ui::FakeServices fake;
    DesignerModel model;
};

// Three controls given as (left, top, width, height).
struct Box
{
    double left, top, width, height;
};

struct AlignCase
{
    const char *name;
    const char *position;
    const char *extent;
    std::vector<Box> boxes;
    std::vector<double> expected; // the position property after the run
};

class AlignEdgeTest : public LayoutTest, public ::testing::WithParamInterface<AlignCase>
{
};

TEST_P(AlignEdgeTest, LinesUpOnOutermostEdge)
{
    const AlignCase &c = GetParam();
    int i = 0;
    for (const Box &b : c.boxes)
        model.add(QStringLiteral("Control%1").arg(++i), {{"Left", Value(b.left)},
                                                         {"Top", Value(b.top)},
                                                         {"Width", Value(b.width)},
                                                         {"Height", Value(b.height)}});
    align(c.position, c.extent);
    for (size_t k = 0; k < c.expected.size(); ++k)
        EXPECT_EQ(at(int(k), c.position), c.expected[k]) << "control " << k;
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    AlignTest, AlignEdgeTest,
    ::testing::Values(AlignCase{"TopUsesSmallestTop",
                                "Top",
                                "",
                                {{0, 480, 100, 300}, {0, 120, 100, 300}, {0, 960, 100, 300}},
                                {120, 120, 120}},
                      AlignCase{"BottomUsesLargestFarEdge",
                                "Top",
                                "Height",
                                {{0, 120, 100, 300}, {0, 480, 100, 300}, {0, 960, 100, 600}},
                                {1260, 1260, 960}},
                      AlignCase{"LeftRoundsFractionalReference",
                                "Left",
                                "",
                                {{100.4, 0, 100, 100}, {500, 0, 100, 100}},
                                {100, 100}},
                      AlignCase{"LeftRoundsHalvesToEven",
                                "Left",
                                "",
                                {{500, 0, 100, 100}, {100.5, 0, 100, 100}, {300, 0, 100, 100}},
                                {100, 100, 100}},
                      AlignCase{"RightRoundsFarEdgeHalvesToEven",
                                "Left",
                                "Width",
                                {{1000, 0, 100.5, 0}, {0, 0, 500, 0}},
                                {999.5, 600}},
                      AlignCase{"RightUsesLargestLeftPlusWidth",
                                "Left",
                                "Width",
                                {{100, 0, 200, 0}, {800, 0, 400, 0}, {50, 0, 1000, 0}},
                                {1000, 800, 200}},
                      // Beyond the old fixed starting values: the outermost edge still wins.
                      AlignCase{"BottomWithEveryFarEdgeNegative",
                                "Top",
                                "Height",
                                {{0, -900, 100, 300}, {0, -2000, 100, 600}},
                                {-900, -1200}},
                      AlignCase{"TopWithEveryTopBeyondOldStart",
                                "Top",
                                "",
                                {{0, 120000, 100, 300}, {0, 100000, 100, 300}},
                                {100000, 100000}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LayoutTest, AlignWithOneControlChangesNothing)
{
    model.add("Text1", {{"Top", Value(480.0)}, {"Height", Value(300.0)}});
    align("Top", "");
    EXPECT_TRUE(model.log().isEmpty());
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

TEST_F(LayoutTest, AlignMovesEveryControlIncludingReferenceInSelectionOrder)
{
    model.add("A", {{"Top", Value(qint16(480))}});
    model.add("B", {{"Top", Value(qint16(120))}});
    align("Top", "");
    EXPECT_EQ(model.log(), QStringList({"A.Top=120", "B.Top=120"}));
}

TEST_F(LayoutTest, AlignSkipsControlLackingProperty)
{
    model.add("Timer1", {{"Left", Value(10.0)}}); // no Top: keeps its place, does not set r
    model.add("A", {{"Top", Value(480.0)}});
    model.add("B", {{"Top", Value(960.0)}});
    align("Top", "");
    EXPECT_EQ(model.log(), QStringList({"A.Top=480", "B.Top=480"}));
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

TEST_F(LayoutTest, AlignSkipsControlRefusingValue)
{
    model.add("A", {{"Top", Value(480.0)}});
    model.add("Line1", {{"Top", Value(960.0)}}).refused.insert("top");
    model.add("B", {{"Top", Value(700.0)}});
    align("Top", "");
    EXPECT_EQ(at(1, "Top"), 960.0);
    EXPECT_EQ(model.log(), QStringList({"A.Top=480", "B.Top=480"}));
}

TEST_F(LayoutTest, AlignBottomSkipsControlLackingHeight)
{
    model.add("Line1", {{"Top", Value(5000.0)}});
    model.add("A", {{"Top", Value(120.0)}, {"Height", Value(300.0)}});
    model.add("B", {{"Top", Value(480.0)}, {"Height", Value(600.0)}});
    align("Top", "Height");
    EXPECT_EQ(model.log(), QStringList({"A.Top=780", "B.Top=480"}));
}

TEST_F(LayoutTest, AlignWithoutReadableControlChangesNothing)
{
    model.add("A", {{"Left", Value(1.0)}});
    model.add("B", {{"Left", Value(2.0)}});
    align("Top", "");
    EXPECT_TRUE(model.log().isEmpty());
}

TEST_F(LayoutTest, AlignSizesListByCountAndFillsByEnumeration)
{
    model.add("A", {{"Top", Value(480.0)}});
    model.add("B", {{"Top", Value(120.0)}});
    model.add("C", {{"Top", Value(60.0)}});
    model.setReportedCount(2); // C lies beyond the list
    align("Top", "");
    EXPECT_EQ(model.log(), QStringList({"A.Top=120", "B.Top=120"}));
}

TEST_F(LayoutTest, AlignWithoutActiveFormReportsError)
{
    model.add("A", {{"Top", Value(480.0)}});
    model.add("B", {{"Top", Value(120.0)}});
    model.setActiveFormMissing(true);
    align("Top", "");
    ASSERT_EQ(fake.messageBoxes().size(), 1);
    EXPECT_EQ(fake.messageBoxes().at(0).prompt,
              "Error Number: 91\r\nObject variable or With block variable not set");
    EXPECT_TRUE(model.log().isEmpty());
}

TEST_F(LayoutTest, AlignBeforeConnectReportsError)
{
    tolvar::HostApp = Value();
    tolvar::AlignControls("Left", "");
    ASSERT_EQ(fake.messageBoxes().size(), 1);
    EXPECT_TRUE(fake.messageBoxes().at(0).prompt.startsWith("Error Number: 424\r\n"));
}

struct MatchCase
{
    const char *name;
    qint16 mode;
    std::vector<double> widths, heights;
    std::vector<double> expectedWidths, expectedHeights;
};

class MatchSizeTest : public LayoutTest, public ::testing::WithParamInterface<MatchCase>
{
};

TEST_P(MatchSizeTest, CopiesFirstControlsSize)
{
    const MatchCase &c = GetParam();
    for (size_t i = 0; i < c.widths.size(); ++i)
        model.add(QStringLiteral("C%1").arg(i),
                  {{"Width", Value(c.widths[i])}, {"Height", Value(c.heights[i])}});
    match(c.mode);
    for (size_t i = 0; i < c.widths.size(); ++i) {
        EXPECT_EQ(at(int(i), "Width"), c.expectedWidths[i]) << "control " << i;
        EXPECT_EQ(at(int(i), "Height"), c.expectedHeights[i]) << "control " << i;
    }
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    SizeTest, MatchSizeTest,
    ::testing::Values(
        MatchCase{
            "WidthOnly", 1, {1200, 600, 900}, {300, 500, 700}, {1200, 1200, 1200}, {300, 500, 700}},
        MatchCase{
            "Both", 3, {1200, 600, 900}, {300, 500, 700}, {1200, 1200, 1200}, {300, 300, 300}},
        MatchCase{"HeightLeavesWidths",
                  2,
                  {1200, 600, 900},
                  {300, 500, 700},
                  {1200, 600, 900},
                  {300, 300, 300}},
        MatchCase{
            "FractionalFirstWidthRoundsToEven", 1, {1200.5, 600}, {0, 0}, {1200.5, 1200}, {0, 0}},
        MatchCase{"NoBitsChangesNothing", 0, {1200, 600}, {300, 500}, {1200, 600}, {300, 500}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LayoutTest, SizeBothSetsWidthBeforeHeight)
{
    model.add("A", {{"Width", Value(1200.0)}, {"Height", Value(300.0)}});
    model.add("B", {{"Width", Value(600.0)}, {"Height", Value(500.0)}});
    model.add("C", {{"Width", Value(900.0)}, {"Height", Value(700.0)}});
    match(3);
    EXPECT_EQ(model.log(),
              QStringList({"B.Width=1200", "B.Height=300", "C.Width=1200", "C.Height=300"}));
}

TEST_F(LayoutTest, SizeSkipsControlRefusingValue)
{
    model.add("A", {{"Width", Value(1200.0)}, {"Height", Value(300.0)}});
    model.add("B", {{"Width", Value(600.0)}, {"Height", Value(500.0)}}).refused.insert("width");
    model.add("C", {{"Width", Value(900.0)}, {"Height", Value(700.0)}});
    match(3);
    EXPECT_EQ(model.log(), QStringList({"B.Height=300", "C.Width=1200", "C.Height=300"}));
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

TEST_F(LayoutTest, SizeLeavesOthersAloneWhenFirstLacksProperty)
{
    model.add("Line1", {{"Width", Value(1200.0)}}); // no Height
    model.add("B", {{"Width", Value(600.0)}, {"Height", Value(500.0)}});
    match(3);
    EXPECT_EQ(model.log(), QStringList({"B.Width=1200"}));
    EXPECT_EQ(at(1, "Height"), 500.0);
}

TEST_F(LayoutTest, SizeWithOneControlChangesNothing)
{
    model.add("A", {{"Width", Value(1200.0)}, {"Height", Value(300.0)}});
    match(3);
    EXPECT_TRUE(model.log().isEmpty());
}

TEST_F(LayoutTest, SizeWithoutFormFailsSilently)
{
    model.add("A", {{"Width", Value(1200.0)}});
    model.add("B", {{"Width", Value(600.0)}});
    model.setActiveFormMissing(true);
    match(1);
    EXPECT_TRUE(model.log().isEmpty());
    EXPECT_TRUE(fake.messageBoxes().isEmpty());

    tolvar::HostApp = Value();
    tolvar::MatchControlSizes(1);
    EXPECT_TRUE(fake.messageBoxes().isEmpty());
}

} // namespace
