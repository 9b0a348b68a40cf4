// The screen saver skeleton's page of instructions and the calls that build its form.
#include "addin/screensaver/screensaverinstructions.h"
#include "addin/screensaver/screensaverskeleton.h"
#include "platform/automation/object.h"

#include <QFile>
#include <gtest/gtest.h>

using automation::DispatchObject;
using automation::Value;
using automation::Values;

namespace {

const char *typeName(Value::Type t)
{
    switch (t) {
    case Value::Type::Boolean:
        return "Boolean";
    case Value::Type::Integer:
        return "Integer";
    case Value::Type::Long:
        return "Long";
    case Value::Type::String:
        return "String";
    default:
        return "other";
    }
}

// An environment that writes down every call the skeleton makes, with exact names and types.
class RecordingHost
{
public:
    QStringList log;

    Value application()
    {
        auto app = std::make_shared<DispatchObject>();
        auto project = std::make_shared<DispatchObject>();
        auto form = templ(QStringLiteral("form"));
        auto controls = std::make_shared<DispatchObject>();
        controls->method("Add", [this](const Values &args) {
            log << "Add " + args.value(0).toString();
            return Value(templ(QStringLiteral("timer")));
        });
        form->property("ControlTemplates", [controls](const Values &) { return Value(controls); });
        form->method("InsertFile", [this](const Values &args) {
            log << "InsertFile " + args.value(0).toString();
            return Value();
        });
        project->method("AddFormTemplate", [form](const Values &) { return Value(form); });
        app->property("ActiveProject", [project](const Values &) { return Value(project); });
        return Value(app);
    }

private:
    std::shared_ptr<DispatchObject> templ(const QString &who)
    {
        auto object = std::make_shared<DispatchObject>();
        auto properties = std::make_shared<DispatchObject>();
        properties->property(
            "Item", [](const Values &) -> Value { throw automation::Error::propertyNotFound(); },
            [this, who](const Values &args, const Value &v) {
                log << QStringLiteral("%1.%2 = %3 %4")
                           .arg(who, args.value(0).toString(), typeName(v.type()), v.toString());
            });
        object->property("Properties", [properties](const Values &) { return Value(properties); });
        return object;
    }
};

TEST(ScreenSaverInstructionsTest, PageIsTheShippedTextByteForByte)
{
    QFile file(qEnvironmentVariable("TOLVAR_SOURCE_DIR") + "/tests/screensaver/instructions.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected = file.readAll();
    ASSERT_EQ(expected.size(), 1579);
    EXPECT_EQ(tolvar::screenSaverInstructions().toLatin1(), expected);
    EXPECT_EQ(tolvar::screenSaverInstructions().count(QLatin1String("\r\n")), 47);
}

TEST(ScreenSaverSkeletonTest, FourteenAssignmentsInOrderWithExactNamesAndTypes)
{
    RecordingHost host;
    tolvar::buildScreenSaverSkeleton(host.application(), QStringLiteral("/addin/kzlsav.MOD"));
    EXPECT_EQ(host.log, (QStringList{
                            "form.borderstyle = Integer 0",
                            "form.Controlbox = Boolean False",
                            "form.Caption = String ",
                            "form.Height = Integer 3400",
                            "form.Name = String scnsvr",
                            "form.Width = Integer 4300",
                            "form.Left = Integer 2000",
                            "form.Top = Integer 2000",
                            "form.WindowState = Integer 2",
                            "Add Timer",
                            "timer.name = String tmrExitNotify",
                            "timer.enabled = Boolean False",
                            "timer.left = Integer 10",
                            "timer.top = Integer 10",
                            "timer.interval = Integer 1",
                            "InsertFile /addin/kzlsav.MOD",
                        }));
}

} // namespace
