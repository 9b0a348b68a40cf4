#include "generalmenu.h"

#include "menucode.h"
#include "tempmodule.h"

#include "addin/runtime/hostapp.h"
#include "addin/runtime/traps.h"

#include "platform/automation/object.h"

#include <QFile>

namespace tolvar {

using automation::Value;

// clang-format off
const std::array<GeneralMenuRow, 30> GeneralMenuTree = {{
    {nullptr,    "menufile", -1, "&File",                 0, -1, -1},
    {"menufile", "file",      0, "&New",                  0, -1, -1},
    {"menufile", "file",      1, "&Open",                15, -1, -1},
    {"menufile", "file",      2, "&Save",                19,  0, -1},
    {"menufile", "file",      3, "Save &As...",           1, -1, -1},
    {"menufile", "file",      4, "-",                     0, -1, -1},
    {"menufile", "file",      5, "Print Pre&view",        0, -1, -1},
    {"menufile", "file",      6, "Page Se&tup...",        0, -1, -1},
    {"menufile", "file",      7, "&Print...",            16, -1, -1},
    {"menufile", "file",      8, "-",                     0, -1, -1},
    {"menufile", "file",      9, "&Exit",                 0, -1, -1},
    {nullptr,    "menuedit", -1, "&Edit",                 0, -1, -1},
    {"menuedit", "edit",      0, "&Undo",                26, -1, -1},
    {"menuedit", "edit",      1, "&Repeat",              30, -1, -1},
    {"menuedit", "edit",      2, "-",                     0, -1, -1},
    {"menuedit", "edit",      3, "Cu&t",                 24, -1, -1},
    {"menuedit", "edit",      4, "&Copy",                 3, -1, -1},
    {"menuedit", "edit",      5, "&Paste",               22, -1, -1},
    {"menuedit", "edit",      6, "Cle&ar",                0, -1, -1},
    {"menuedit", "edit",      7, "Select A&ll",          12, -1, -1},
    {nullptr,    "menuView", -1, "&View",                 0, -1, -1},
    {"menuView", "view",      0, "&Toolbar",              0, -1,  1},
    {"menuView", "view",      1, "&Status Bar",           0, -1,  1},
    {"menuView", "view",      2, "-",                     0, -1, -1},
    {"menuView", "view",      3, "&Options...",           0, -1, -1},
    {nullptr,    "menuhelp", -1, "&Help",                 0, -1, -1},
    {"menuhelp", "help",      0, "&Contents",            27, -1, -1},
    {"menuhelp", "help",      1, "&Search For Help On..", 0, -1, -1},
    {"menuhelp", "help",      2, "-",                     0, -1, -1},
    {"menuhelp", "help",      3, "&About",                0, -1, -1},
}};
// clang-format on

namespace {

void setMenuProperty(const Value &menu, const QString &name, const Value &value)
{
    const Value property = automation::invoke(menu, QStringLiteral("Properties"), {name});
    automation::assign(property, QStringLiteral("Value"), {}, value);
}

void addMenus(const Value &form)
{
    Value topLevel;
    for (const GeneralMenuRow &row : GeneralMenuTree) {
        const QString name = QString::fromLatin1(row.name);
        const Value parent = row.parent ? topLevel : Value::nothing();
        const Value menu =
            automation::invoke(form, QStringLiteral("AddMenuTemplate"), {name, parent});
        if (!row.parent)
            topLevel = menu;
        setMenuProperty(menu, QStringLiteral("Caption"), QString::fromLatin1(row.caption));
        if (!row.parent)
            continue;
        if (row.shortcut)
            setMenuProperty(menu, QStringLiteral("Shortcut"), row.shortcut);
        if (row.enabled >= 0)
            setMenuProperty(menu, QStringLiteral("Enabled"), row.enabled != 0);
        setMenuProperty(menu, QStringLiteral("Index"), row.index);
        if (row.checked >= 0)
            setMenuProperty(menu, QStringLiteral("checked"), row.checked != 0);
    }
}

} // namespace

void WriteMenuCode(QIODevice &file)
{
    ReportAndLeave([&] {
        for (const char *line : MenuCodeLines) {
            const QByteArray bytes = QByteArray(line) + "\r\n";
            if (file.write(bytes) != bytes.size())
                throw automation::Error(57, QStringLiteral("Device I/O error"));
        }
    });
}

void CreateGeneralMenu(qint16 index, const std::function<void(const QString &)> &setStatus)
{
    ReportAndLeave([&] {
        if (index != 0)
            return;
        const Value project = automation::invoke(HostApp, QStringLiteral("ActiveProject"));
        const Value form = automation::invoke(project, QStringLiteral("ActiveForm"));
        setStatus(CreatingMenusText);
        addMenus(form);
        setStatus(WritingCodeText);

        QFile file;
        const QString path = createTempModule(file);
        WriteMenuCode(file);
        file.close();
        automation::invoke(form, QStringLiteral("InsertFile"), {path});
        killFile(path);
        setStatus(QString());
    });
}

} // namespace tolvar
