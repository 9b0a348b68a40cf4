#include "matchcontrolsizes.h"

#include "addin/runtime/hostapp.h"
#include "addin/runtime/traps.h"

#include "platform/automation/object.h"

#include <optional>

namespace tolvar {

using automation::Value;

namespace {

std::optional<qint32> readSize(const Value &properties, const QString &name)
{
    std::optional<qint32> size;
    IgnoreAndContinue([&] {
        size = automation::invoke(automation::invoke(properties, QStringLiteral("Item"), {name}),
                                  QStringLiteral("Value"))
                   .toLong();
    });
    return size;
}

void writeSize(const Value &properties, const QString &name, const std::optional<qint32> &size)
{
    // A size the first control could not give is left alone rather than set to 0.
    if (!size)
        return;
    IgnoreAndContinue(
        [&] { automation::assign(properties, QStringLiteral("Item"), {name}, Value(*size)); });
}

} // namespace

void MatchControlSizes(qint16 SizeMode)
{
    const QString width = QStringLiteral("Width");
    const QString height = QStringLiteral("Height");

    automation::Values selection;
    IgnoreAndContinue([&] {
        const Value project = automation::invoke(HostApp, QStringLiteral("ActiveProject"));
        const Value form = automation::invoke(project, QStringLiteral("ActiveForm"));
        selection = automation::enumerate(
            automation::invoke(form, QStringLiteral("SelectedControlTemplates")));
    });

    bool firstDone = false;
    std::optional<qint32> w;
    std::optional<qint32> h;
    for (const Value &c : selection) {
        Value p;
        IgnoreAndContinue([&] { p = automation::invoke(c, QStringLiteral("Properties")); });
        if (!firstDone) {
            if (SizeMode & 1)
                w = readSize(p, width);
            if (SizeMode & 2)
                h = readSize(p, height);
            firstDone = true;
        } else {
            if (SizeMode & 1)
                writeSize(p, width, w);
            if (SizeMode & 2)
                writeSize(p, height, h);
        }
    }
}

} // namespace tolvar
