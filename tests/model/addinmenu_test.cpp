#include "ide/model/workspace.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using automation::DispatchObject;
using automation::Error;
using automation::Value;
using automation::Values;
using vbhost::Workspace;

namespace {

struct Handler
{
    std::shared_ptr<DispatchObject> object = std::make_shared<DispatchObject>();
    int clicks = 0;
    Handler(bool fail = false)
    {
        object->method(QStringLiteral("AfterClick"), [this, fail](const Values &) -> Value {
            ++clicks;
            if (fail)
                throw Error(5, QStringLiteral("Invalid procedure call or argument"));
            return {};
        });
    }
};

Value menuItems(Workspace &ws, const QString &owner)
{
    const Value app(ws.application(owner));
    return automation::invoke(automation::invoke(app, QStringLiteral("AddInMenu")),
                              QStringLiteral("MenuItems"));
}

} // namespace

TEST(AddInMenuTest, AddReturnsItemWithCaptionAndOwner)
{
    Workspace ws;
    QSignalSpy changed(&ws, &Workspace::addInMenuChanged);
    const Value items = menuItems(ws, QStringLiteral("Tool.connect"));
    const Value item = automation::invoke(items, QStringLiteral("Add"), {"My Add-In"});
    EXPECT_EQ(automation::invoke(item, QStringLiteral("caption")).toString(), u"My Add-In");
    EXPECT_EQ(automation::invoke(items, QStringLiteral("Count")).toLong(), 1);
    ASSERT_EQ(ws.addInMenuItems().size(), 1);
    EXPECT_EQ(ws.addInMenuItems()[0].caption, u"My Add-In");
    EXPECT_EQ(ws.addInMenuItems()[0].owner, u"Tool.connect");
    EXPECT_EQ(changed.count(), 1);
}

TEST(AddInMenuTest, EnumeratesItemsOfEveryAddInInOrder)
{
    Workspace ws;
    automation::invoke(menuItems(ws, "A"), QStringLiteral("Add"), {"First"});
    automation::invoke(menuItems(ws, "B"), QStringLiteral("Add"), {"Second"});
    const Values all = automation::enumerate(menuItems(ws, "A"));
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(automation::invoke(all[0], QStringLiteral("Caption")).toString(), u"First");
    EXPECT_EQ(automation::invoke(all[1], QStringLiteral("Caption")).toString(), u"Second");
}

TEST(AddInMenuTest, ChoosingCallsAfterClickOnEveryConnectedHandler)
{
    Workspace ws;
    const Value item = automation::invoke(menuItems(ws, "A"), QStringLiteral("Add"), {"Cmd"});
    Handler h1, h2;
    const Value id1 = automation::invoke(item, QStringLiteral("ConnectEvents"), {Value(h1.object)});
    const Value id2 = automation::invoke(item, QStringLiteral("ConnectEvents"), {Value(h2.object)});
    EXPECT_EQ(id1.type(), Value::Type::Long);
    EXPECT_NE(id1, id2);
    const int itemId = ws.addInMenuItems()[0].id;
    ws.chooseMenuItem(itemId);
    EXPECT_EQ(h1.clicks, 1);
    EXPECT_EQ(h2.clicks, 1);

    automation::invoke(item, QStringLiteral("DisconnectEvents"), {id1});
    ws.chooseMenuItem(itemId);
    EXPECT_EQ(h1.clicks, 1);
    EXPECT_EQ(h2.clicks, 2);
}

TEST(AddInMenuTest, FailingHandlerIsReportedNotThrown)
{
    Workspace ws;
    QSignalSpy errors(&ws, &Workspace::handlerError);
    const Value item =
        automation::invoke(menuItems(ws, "Bad.connect"), QStringLiteral("Add"), {"X"});
    Handler bad(true), good;
    automation::invoke(item, QStringLiteral("ConnectEvents"), {Value(bad.object)});
    automation::invoke(item, QStringLiteral("ConnectEvents"), {Value(good.object)});
    EXPECT_NO_THROW(ws.chooseMenuItem(ws.addInMenuItems()[0].id));
    EXPECT_EQ(good.clicks, 1); // one failing handler does not stop the others
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toString(), u"Bad.connect");
    EXPECT_EQ(errors[0][1].toInt(), 5);
}

TEST(AddInMenuTest, RemoveTakesTheItemOffAndStopsItsEvents)
{
    Workspace ws;
    const Value items = menuItems(ws, "A");
    const Value keep = automation::invoke(items, QStringLiteral("Add"), {"Keep"});
    const Value item = automation::invoke(items, QStringLiteral("Add"), {"Go"});
    Handler h;
    automation::invoke(item, QStringLiteral("ConnectEvents"), {Value(h.object)});
    const int goId = ws.addInMenuItems()[1].id;
    automation::invoke(items, QStringLiteral("Remove"), {item});
    ASSERT_EQ(ws.addInMenuItems().size(), 1);
    EXPECT_EQ(ws.addInMenuItems()[0].caption, u"Keep");
    ws.chooseMenuItem(goId);
    EXPECT_EQ(h.clicks, 0);
    // The removed item's object no longer answers; removing it twice is an error.
    EXPECT_THROW(automation::invoke(item, QStringLiteral("Caption")), Error);
    EXPECT_THROW(automation::invoke(items, QStringLiteral("Remove"), {item}), Error);
}

TEST(AddInMenuTest, DisconnectingAnUnknownConnectionIsAnError)
{
    Workspace ws;
    const Value item = automation::invoke(menuItems(ws, "A"), QStringLiteral("Add"), {"X"});
    EXPECT_THROW(automation::invoke(item, QStringLiteral("DisconnectEvents"), {qint32(999)}),
                 Error);
}

TEST(AddInMenuTest, ItemsOfAnAddInThatWentAwayCanBeRemoved)
{
    Workspace ws;
    automation::invoke(menuItems(ws, "A"), QStringLiteral("Add"), {"A1"});
    automation::invoke(menuItems(ws, "B"), QStringLiteral("Add"), {"B1"});
    ws.removeMenuItemsOf(QStringLiteral("A"));
    ASSERT_EQ(ws.addInMenuItems().size(), 1);
    EXPECT_EQ(ws.addInMenuItems()[0].owner, u"B");
}

TEST(AddInMenuTest, MenuWorksWithoutAProject)
{
    Workspace ws;
    const Value app(ws.application());
    EXPECT_FALSE(automation::invoke(app, QStringLiteral("ActiveProject")).toObject());
    EXPECT_NO_THROW(automation::invoke(menuItems(ws, {}), QStringLiteral("Add"), {"X"}));
}
