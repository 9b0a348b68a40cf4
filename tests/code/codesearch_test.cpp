#include "codeproject.h"
#include "ide/code/codesearch.h"

using namespace vbhost;

namespace {

struct ReplaceCase
{
    FindScope scope;
    const char *cursorLine; // in frmOrders, for the current procedure
    bool matchCase;
    bool wholeWord;
    int replaced;
};

class ReplaceAllTest : public CodeProject, public ::testing::WithParamInterface<ReplaceCase>
{
};

} // namespace

TEST_P(ReplaceAllTest, ReplacesEveryMatchInScopeAndNoAttribute)
{
    const ReplaceCase &c = GetParam();
    const int form = id("frmOrders");
    QList<SearchRange> ranges;
    if (c.scope == FindScope::Procedure) {
        const QString code = visibleCode(ws, form);
        ranges << procedureRange(code, form, int(code.split(u'\n').indexOf(c.cursorLine)));
    } else if (c.scope == FindScope::Module) {
        ranges << SearchRange{form, 0, -1};
    } else {
        for (int module : codeModules(ws))
            ranges << SearchRange{module, 0, -1};
    }
    const FindOptions options{"Total", c.matchCase, c.wholeWord};
    EXPECT_EQ(replaceInModules(ws, ranges, options, "Sum"), c.replaced);
    EXPECT_TRUE(ws.code(form).contains("\nAttribute Total.VB_UserMemId = 0\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Scopes, ReplaceAllTest,
    ::testing::Values(
        ReplaceCase{FindScope::Procedure, "    mTotal = Util.Total(mTotal, 0)", false, false, 3},
        ReplaceCase{FindScope::Procedure, "    mTotal = Util.Total(mTotal, 0)", false, true, 1},
        ReplaceCase{FindScope::Procedure, "    Total = mTotal", false, false, 3},
        ReplaceCase{FindScope::Procedure, "Option Explicit", false, false, 1},
        ReplaceCase{FindScope::Module, "", false, false, 9},
        ReplaceCase{FindScope::Module, "", true, false, 8},
        ReplaceCase{FindScope::Module, "", false, true, 4},
        ReplaceCase{FindScope::Module, "", true, true, 3},
        ReplaceCase{FindScope::AllModules, "", false, false, 12},
        ReplaceCase{FindScope::AllModules, "", true, true, 5}));

TEST_F(CodeProject, ReplaceAllIsOneUndoStepPerModule)
{
    const QString form = ws.code(id("frmOrders")), module = ws.code(id("Util"));
    QList<SearchRange> all;
    for (int m : codeModules(ws))
        all << SearchRange{m, 0, -1};
    replaceInModules(ws, all, {"Total", false, false}, "Sum");
    ws.undo();
    EXPECT_EQ(ws.code(id("Util")), module);
    EXPECT_NE(ws.code(id("frmOrders")), form);
    ws.undo();
    EXPECT_EQ(ws.code(id("frmOrders")), form);
}

TEST_F(CodeProject, FindNextGoesOnThroughTheOtherModulesAndRoundToTheStart)
{
    const FindOptions options{"Total", true, true};
    const int form = id("frmOrders"), module = id("Util");
    CodeMatch at{form, 0};
    QList<int> found;
    for (int i = 0; i < 6; ++i) {
        const auto next =
            findInModules(ws, codeModules(ws), {at.documentId, at.position + 1}, options);
        ASSERT_TRUE(next);
        at = *next;
        found << at.documentId;
    }
    EXPECT_EQ(found, QList<int>({form, form, form, module, module, form}));
    EXPECT_FALSE(findInModules(ws, codeModules(ws), {form, 0}, {"VB_UserMemId", false, false}));
}

TEST(FindTest, WholeWordsAndCaseAsAsked)
{
    const QString text = "Total mTotal total Total_1 x.Total(";
    const struct
    {
        bool matchCase, wholeWord;
        QList<int> at;
    } cases[] = {{false, false, {0, 7, 13, 19, 29}},
                 {true, false, {0, 7, 19, 29}},
                 {false, true, {0, 13, 29}},
                 {true, true, {0, 29}}};
    for (const auto &c : cases) {
        QList<int> found;
        for (int i = findIn(text, {"Total", c.matchCase, c.wholeWord}, 0); i >= 0;
             i = findIn(text, {"Total", c.matchCase, c.wholeWord}, i + 1))
            found << i;
        EXPECT_EQ(found, c.at) << c.matchCase << c.wholeWord;
    }
    EXPECT_EQ(findAround(text, {"Total", true, true}, 1, 0, -1), 29);
    EXPECT_EQ(findAround(text, {"Total", true, true}, 30, 0, -1), 0);
}
