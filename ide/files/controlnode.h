#pragma once

#include "ide/files/propertyvalue.h"
#include "ide/files/textlines.h"

#include <QList>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace vbhost {

struct FormFileStyle;

// One "Name = value" line of a control block.
struct FormProperty
{
    QString name;
    QString valueText; // as written, trailing comment removed, e.g. "Form1" with its quotes
    QString comment;   // the trailing comment without its quote mark, e.g. True in `-1  'True`
    int line = 0;      // 1-based line in the file as read; 0 for a property added since
    PropertyValue value() const { return parsePropertyValue(valueText); }
};

// Edits that would corrupt the file (a line break in a value, a blank in a name) throw
// std::invalid_argument and change nothing.
//
// A Begin <Class> <Name> ... End block of a form file (the form, a control or a menu), or the
// BEGIN ... END block of a class module. Lines of the block are kept as read; edits replace,
// insert or remove single lines, so untouched lines are written back unchanged.
class ControlNode
{
public:
    ~ControlNode();
    ControlNode(const ControlNode &) = delete;
    ControlNode &operator=(const ControlNode &) = delete;

    // As written: "VB.CommandButton" (files of 4.00 and later) or "CommandButton".
    QString className() const { return m_className; }
    // Without the library prefix: "CommandButton", "Form", "Menu".
    QString shortClassName() const;
    QString name() const { return m_name; }
    void setName(const QString &name);
    bool isMenu() const;
    // The Index property of a control array element.
    std::optional<int> index() const;
    // "Option1(0)" for an array element, else the name.
    QString displayName() const;
    int line() const { return m_line; } // line of the Begin, 0 for a node added since

    ControlNode *parent() const { return m_parent; }
    // Direct children in file order.
    QList<ControlNode *> children() const;
    // Every control below this one, depth first in file order.
    QList<ControlNode *> descendants() const;
    // Searches every control below this one; names match without regard to case.
    ControlNode *findChild(const QString &name, std::optional<int> index = std::nullopt) const;

    // Properties in file order; BeginProperty blocks are not among them.
    QList<FormProperty> properties() const;
    std::optional<FormProperty> property(const QString &name) const; // any letter case
    bool hasProperty(const QString &name) const { return property(name).has_value(); }
    // The value text as written (quotes included), or fallback when absent.
    QString propertyText(const QString &name, const QString &fallback = QString()) const;
    // Sets the value text as it is to be written (quote strings with quoteString), optionally
    // followed by a describing comment (`-1  'True`). An existing line keeps its layout up to
    // the value, and its comment when only the same value without a comment is given; a new
    // line goes after the last property.
    void setProperty(const QString &name, const QString &valueText);
    bool removeProperty(const QString &name);
    // Names of the BeginProperty blocks ("Font", "Panels"), kept as they stand.
    QStringList propertyBlockNames() const;
    // The "Name = value" lines directly inside the first BeginProperty block of that name (any
    // letter case), in file order; empty when there is none. Nested blocks are left out.
    QList<FormProperty> propertyBlock(const QString &name) const;

    // Adds a control block at the end of this one's children; ordinary controls go before the
    // first menu, so menus stay last as the designer writes them. A class without a library
    // prefix gets the prefix the file uses ("CommandButton" -> "VB.CommandButton").
    ControlNode *addChild(const QString &className, const QString &name);
    // Removes and destroys the child (and everything in it). False if it is not a child.
    bool removeChild(ControlNode *child);

    // The block's lines as they will be written.
    void appendTo(QList<TextLine> &out) const;

private:
    friend class FormFile;
    friend class FormParser;
    struct Item;
    ControlNode(FormFileStyle *style, ControlNode *parent);
    QByteArray indentOfChildren() const;
    int propertyItem(const QString &name) const;

    FormFileStyle *m_style;
    ControlNode *m_parent;
    QString m_className;
    QString m_name;
    int m_line = 0;
    TextLine m_begin;
    TextLine m_end;
    std::vector<std::unique_ptr<Item>> m_items;
};

} // namespace vbhost
