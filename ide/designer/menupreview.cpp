#include "menupreview.h"

#include "ide/designer/menushortcut.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/workspace.h"

#include <QHash>
#include <QMenu>

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
    QHash<QString, QMenu *> menus; // lower-case key -> the submenu it opens
    const QList<ControlInfo> controls = m_workspace.controls(m_formId);
    QMenu *root = nullptr;
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

        QMenu *parentMenu = c.parentKey.isEmpty() ? root : menus.value(c.parentKey.toLower());
        if (!c.parentKey.isEmpty() && !parentMenu)
            continue; // the parent is not a menu we built
        QAction *action = nullptr;
        if (caption == QLatin1String("-") && parentMenu) {
            action = parentMenu->addSeparator();
        } else {
            auto *menu = new QMenu(caption, parentMenu ? static_cast<QWidget *>(parentMenu)
                                                       : static_cast<QWidget *>(this));
            menu->setObjectName(c.key);
            menu->setAccessibleName(stripAccessKey(caption));
            menus.insert(c.key.toLower(), menu);
            action = parentMenu ? parentMenu->addMenu(menu) : addMenu(menu);
            action->setObjectName(c.key);
            if (!shortcut.isEmpty()) {
                // Shown, not bound: the designer's own shortcuts stay in charge.
                action->setText(caption + QLatin1Char('\t') + shortcut);
            }
        }
        action->setVisible(visible);
        action->setEnabled(enabled);
        if (checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    // A menu item without sub-items is an ordinary action, not an empty submenu.
    for (QMenu *menu : std::as_const(menus)) {
        if (!menu->actions().isEmpty() || !menu->menuAction())
            continue;
        QAction *a = menu->menuAction();
        a->setMenu(nullptr);
    }
    setVisible(!actions().isEmpty());
}

} // namespace vbhost
