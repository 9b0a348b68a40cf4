#include "menupreview.h"

#include "ide/designer/menushortcut.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/workspace.h"

#include <QHash>
#include <QMenu>
#include <QSet>

namespace vbhost {

namespace {

automation::Value menuProperty(const Workspace &ws, int formId, const QString &key,
                               const QString &name, const automation::Value &fallback)
{
    try {
        return ws.property(formId, key, name);
    } catch (const automation::Error &) {
        return fallback;
    }
}

QString shortcutOf(const automation::Value &v)
{
    if (v.isNumeric() && v.type() != automation::Value::Type::String) {
        const int code = int(v.toDouble());
        if (code == 0)
            return {};
        return shortcutText(shortcutToText(code).value_or(QString()));
    }
    return shortcutText(v.toString());
}

} // namespace

MenuPreview::MenuPreview(Workspace &workspace, int formId, QWidget *parent)
    : QMenuBar(parent), m_workspace(workspace), m_formId(formId)
{
    setObjectName(QStringLiteral("menuPreview"));
    setAccessibleName(QStringLiteral("Form menu bar preview"));
    setNativeMenuBar(false);
    connect(&m_workspace, &Workspace::changed, this, [this](Workspace::Change what, int doc) {
        if ((doc == -1 || doc == m_formId) &&
            (what == Workspace::Change::Controls || what == Workspace::Change::Properties ||
             what == Workspace::Change::Project))
            rebuild();
    });
    rebuild();
}

void MenuPreview::rebuild()
{
    clear();
    // The menus of the last build; submenus go with their parents. Qt's own menus stay.
    for (const QPointer<QMenu> &menu : std::as_const(m_menus))
        delete menu.data();
    m_menus.clear();
    const QList<ControlInfo> controls = m_workspace.controls(m_formId);
    QSet<QString> withItems; // lower-case keys of menus that open a submenu
    for (const ControlInfo &c : controls) {
        if (c.isMenu && !c.parentKey.isEmpty())
            withItems.insert(c.parentKey.toLower());
    }
    QHash<QString, QMenu *> menus; // lower-case key -> the submenu it opens
    for (const ControlInfo &c : controls) {
        if (!c.isMenu)
            continue;
        const QString caption =
            menuProperty(m_workspace, m_formId, c.key, QStringLiteral("Caption"), c.caption)
                .toString();
        const bool visible =
            menuProperty(m_workspace, m_formId, c.key, QStringLiteral("Visible"), true).toBool();
        const bool enabled =
            menuProperty(m_workspace, m_formId, c.key, QStringLiteral("Enabled"), true).toBool();
        const bool checked =
            menuProperty(m_workspace, m_formId, c.key, QStringLiteral("Checked"), false).toBool();
        const QString shortcut = shortcutOf(
            menuProperty(m_workspace, m_formId, c.key, QStringLiteral("Shortcut"), QString()));

        QMenu *parentMenu = menus.value(c.parentKey.toLower());
        if (!c.parentKey.isEmpty() && !parentMenu)
            continue; // the parent is not a menu we built
        QAction *action = nullptr;
        if (caption == QLatin1String("-") && parentMenu) {
            action = parentMenu->addSeparator();
        } else if (withItems.contains(c.key.toLower())) {
            auto *menu = new QMenu(caption, parentMenu ? static_cast<QWidget *>(parentMenu)
                                                       : static_cast<QWidget *>(this));
            menu->setObjectName(c.key);
            menu->setAccessibleName(stripAccessKey(caption));
            menus.insert(c.key.toLower(), menu);
            if (!parentMenu)
                m_menus << menu;
            action = parentMenu ? parentMenu->addMenu(menu) : addMenu(menu);
        } else {
            // Shown, not bound: the designer's own shortcuts stay in charge.
            const QString text =
                shortcut.isEmpty() ? caption : caption + QLatin1Char('\t') + shortcut;
            action = parentMenu ? parentMenu->addAction(text) : addAction(text);
        }
        action->setObjectName(c.key);
        action->setVisible(visible);
        action->setEnabled(enabled);
        if (checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    setVisible(!actions().isEmpty());
}

} // namespace vbhost
