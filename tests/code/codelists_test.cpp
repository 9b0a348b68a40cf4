#include "codeproject.h"
#include "ide/code/codelists.h"

using namespace vbhost;

namespace {

QStringList texts(const QList<ProcEntry> &entries, bool withCode)
{
    QStringList out;
    for (const ProcEntry &e : entries) {
        if (!withCode || e.procedure >= 0)
            out << e.text;
    }
    return out;
}

class CodeListsTest : public CodeProject
{
protected:
    void SetUp() override
    {
        CodeProject::SetUp();
        form = id("frmOrders");
        lines = ws.code(form).split(u'\n');
        procedures = scanProcedures(lines);
        objects = codeObjects(documentObjectName(ws, form), ws.controls(form));
    }
    int object(const QString &name) const
    {
        for (int i = 0; i < objects.size(); ++i) {
            if (objects[i].name == name)
                return i;
        }
        return -1;
    }

    int form = -1;
    QStringList lines;
    QList<Procedure> procedures;
    QList<CodeObject> objects;
};

} // namespace

TEST_F(CodeListsTest, ObjectListIsGeneralTheFormThenEachControlOnceByName)
{
    QStringList names;
    for (const CodeObject &o : objects)
        names << o.name;
    EXPECT_EQ(names, QStringList({"(General)", "Form", "cmdOK", "mnuFile", "mnuFileExit",
                                  "shpFrame", "tmrTick", "txtQty"}));
    EXPECT_TRUE(objects[object("txtQty")].isArray);
    EXPECT_EQ(documentObjectName(ws, id("Items")), "Class");
    EXPECT_EQ(codeObjects(documentObjectName(ws, id("Util")), {}).size(), 1);
}

TEST_F(CodeListsTest, ProcListHoldsTheClassEventsWithThoseWithCodeMarked)
{
    const QList<ProcEntry> qty = procEntries(objects, object("txtQty"), procedures);
    QStringList events;
    for (const EventInfo &e : classEvents("TextBox")->events)
        events << e.name;
    EXPECT_EQ(texts(qty, false), events);
    EXPECT_EQ(texts(qty, true), QStringList{"Change"});
    EXPECT_EQ(texts(procEntries(objects, 0, procedures), false),
              QStringList({"(Declarations)", "Recalculate", "Total [PropertyGet]"}));
    EXPECT_TRUE(procEntries(objects, object("shpFrame"), procedures).isEmpty());
}

TEST_F(CodeListsTest, EachLineShowsItsObjectAndProcedure)
{
    const struct
    {
        const char *line;
        const char *object;
        const char *proc;
    } cases[] = {
        {"Option Explicit", "(General)", "(Declarations)"},
        {"    Unload Me", "cmdOK", "Click"},
        {"    mTotal = Val(txtQty(Index).Text)", "txtQty", "Change"},
        {"' What the form adds up", "(General)", "Total [PropertyGet]"},
        {"    mTotal = Util.Total(mTotal, 0)", "(General)", "Recalculate"},
    };
    for (const auto &c : cases) {
        const CodePlace place = placeOf(int(lines.indexOf(c.line)), objects, procedures);
        EXPECT_EQ(objects[place.object].name, c.object) << c.line;
        EXPECT_EQ(place.proc, c.proc) << c.line;
    }
}

TEST(EventStubTest, WrittenAsTheEnvironmentWritesThem)
{
    const struct
    {
        const char *className;
        const char *object;
        const char *event;
        bool isArray;
        const char *header;
    } cases[] = {
        {"CommandButton", "Command1", "Click", false, "Private Sub Command1_Click()"},
        {"CommandButton", "Command1", "Click", true,
         "Private Sub Command1_Click(Index As Integer)"},
        {"TextBox", "Text1", "KeyPress", true,
         "Private Sub Text1_KeyPress(Index As Integer, KeyAscii As Integer)"},
        {"Form", "Form", "QueryUnload", false,
         "Private Sub Form_QueryUnload(Cancel As Integer, UnloadMode As Integer)"},
        {"PictureBox", "Picture1", "MouseMove", false,
         "Private Sub Picture1_MouseMove(Button As Integer, Shift As Integer, X As Single, "
         "Y As Single)"},
        {"Data", "Data1", "Validate", false,
         "Private Sub Data1_Validate(Action As Integer, Save As Integer)"},
    };
    for (const auto &c : cases) {
        const EventInfo *e = classEvents(c.className)->find(c.event);
        ASSERT_NE(e, nullptr) << c.event;
        EXPECT_EQ(eventStub(c.object, *e, c.isArray), QString(c.header) + "\n\nEnd Sub");
    }
    const QList<std::pair<QString, QString>> defaults{
        {"CommandButton", "Click"}, {"Form", "Load"},  {"TextBox", "Change"},
        {"Timer", "Timer"},         {"Menu", "Click"}, {"UserControl", "Initialize"}};
    for (const auto &[cls, event] : defaults)
        EXPECT_EQ(classEvents(cls)->defaultEvent, event) << cls.toStdString();
}

TEST_F(CodeListsTest, NewProcedureGoesInAlphabeticalOrderABlankLineApart)
{
    const QString stub = eventStub("cmdOK", *classEvents("CommandButton")->find("GotFocus"), false);
    const ProcedureInsertion at = procedureInsertion(lines, procedures, "cmdOK_GotFocus", stub);
    QStringList after = lines;
    for (qsizetype i = at.lines.size() - 1; i >= 0; --i)
        after.insert(at.line, at.lines[i]);
    const QString text = after.join(u'\n');
    EXPECT_TRUE(text.contains("End Sub\n\n" + stub + "\n\nPrivate Sub txtQty_Change"))
        << text.toStdString();
    EXPECT_EQ(after[at.cursorLine - 1], "Private Sub cmdOK_GotFocus()");
    EXPECT_EQ(after[at.cursorLine], "");

    // Past every other name: after the last line of code; into nothing: alone.
    const ProcedureInsertion last = procedureInsertion(lines, procedures, "zz_Click", "X");
    EXPECT_EQ(last.lines, QStringList({"", "X"}));
    EXPECT_EQ(lines[last.line - 1], "End Sub");
    EXPECT_EQ(procedureInsertion({""}, {}, "A", "X").lines, QStringList{"X"});
}
