#include "codeproject.h"
#include "ide/code/hiddenattributes.h"

using namespace vbhost;

namespace {

using Edit = std::function<void(QStringList &)>;

qsizetype at(const QStringList &lines, const QString &text)
{
    const qsizetype i = lines.indexOf(text);
    EXPECT_GE(i, 0) << text.toStdString();
    return std::max<qsizetype>(i, 0);
}

Edit insertBefore(const QString &line, const QString &text)
{
    return [=](QStringList &l) { l.insert(at(l, line), text); };
}

Edit replace(const QString &line, const QString &text)
{
    return [=](QStringList &l) { l[at(l, line)] = text; };
}

// The procedure whose header is `header`, through its End line.
QStringList takeProcedure(QStringList &l, const QString &header)
{
    const qsizetype first = at(l, header);
    qsizetype last = first;
    while (last + 1 < l.size() && !l[last].startsWith("End "))
        ++last;
    const QStringList block = l.mid(first, last - first + 1);
    l.remove(first, block.size());
    return block;
}

Edit moveProcedure(const QString &header, const QString &before)
{
    return [=](QStringList &l) {
        const QStringList block = takeProcedure(l, header);
        const qsizetype to = at(l, before);
        for (qsizetype i = block.size() - 1; i >= 0; --i)
            l.insert(to, block[i]);
    };
}

const QString ItemHeader = "Public Property Get Item(ByVal Index As Variant) As Variant";
const QString EnumHeader = "Public Property Get NewEnum() As IUnknown";

struct EditCase
{
    const char *name;
    const char *module;
    Edit edit;
};

void PrintTo(const EditCase &c, std::ostream *os)
{
    *os << c.name;
}

class HiddenAttributesTest : public CodeProject, public ::testing::WithParamInterface<EditCase>
{
};

} // namespace

// Whatever is edited in the shown code, the code handed back is the module's code with the same
// edit: the attribute lines stay where they were, unchanged.
TEST_P(HiddenAttributesTest, KeptInTheirPlacesByteForByte)
{
    const QString code = ws.code(id(GetParam().module));
    HiddenAttributes hidden(code);
    ASSERT_FALSE(hidden.visibleText().contains("Attribute"));
    QStringList shown = hidden.visibleLines(), expected = code.split(u'\n');
    GetParam().edit(shown);
    GetParam().edit(expected);
    EXPECT_EQ(hidden.merge(shown.join(u'\n')).toStdString(), expected.join(u'\n').toStdString());
    // Written back, every line keeps its bytes and its CRLF.
    const int module = id(GetParam().module);
    ws.setCode(module, expected.join(u'\n'));
    ws.save();
    QFile file(ws.document(module).path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().endsWith(expected.join("\r\n").toLatin1()));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, HiddenAttributesTest,
    ::testing::Values(
        EditCase{"LineAboveTheProcedure", "Items", insertBefore(ItemHeader, "' above")},
        EditCase{"LineInsideItsBody", "Items",
                 insertBefore("    Item = mCol(Index)", "    Debug.Print Index")},
        EditCase{"LineBelowEverything", "Items", [](QStringList &l) { l.append("' below"); }},
        EditCase{"HeaderEdited", "Items",
                 replace(ItemHeader, "Public Property Get Item(ByVal Key As Variant) As Variant")},
        EditCase{"HeaderRenamed", "Items", replace(ItemHeader, "Public Property Get Items()")},
        EditCase{"ProcedureMovedAboveAnother", "Items", moveProcedure(EnumHeader, ItemHeader)},
        EditCase{"ProcedureDeleted", "Items", [](QStringList &l) { takeProcedure(l, ItemHeader); }},
        EditCase{"EditsAboveAndBelowAtOnce", "Items",
                 [](QStringList &l) {
                     l.prepend("' first");
                     l.insert(at(l, "Private Sub Class_Initialize()"), "' later");
                 }},
        EditCase{"LineAfterAVariable", "frmOrders",
                 insertBefore("Private mTotal As Currency", "Private mCount As Long")},
        EditCase{"VariableRetyped", "frmOrders",
                 replace("Private WithEvents mItems As Items",
                         "Private WithEvents mItems As Items ' the list")},
        EditCase{"CommentAboveAPropertyChanged", "frmOrders",
                 replace("' What the form adds up", "' The sum")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CodeProject, AttributesOfACutProcedureComeBackWhereItIsPasted)
{
    const QString code = ws.code(id("Items"));
    HiddenAttributes hidden(code);
    QStringList shown = hidden.visibleLines();
    const QStringList cut = takeProcedure(shown, ItemHeader);
    const QString without = hidden.merge(shown.join(u'\n'));
    EXPECT_FALSE(without.contains("Item.VB_UserMemId"));
    EXPECT_EQ(hidden.withheldCount(), 1);

    shown.append(cut);
    QStringList expected = code.split(u'\n');
    const QStringList block = takeProcedure(expected, ItemHeader);
    expected.append(block);
    EXPECT_EQ(hidden.merge(shown.join(u'\n')), expected.join(u'\n'));
    EXPECT_EQ(hidden.withheldCount(), 0);
}
