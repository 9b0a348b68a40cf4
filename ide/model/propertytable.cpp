#include "ide/model/propertytable.h"

#include "ide/files/propertyvalue.h"
#include "platform/automation/error.h"
#include "platform/basic/basic.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace vbhost {

using automation::Error;
using automation::Value;

namespace {

constexpr qint32 sysColour(quint32 c)
{
    return static_cast<qint32>(c);
}

const qint32 ButtonFace = sysColour(0x8000000F);
const qint32 ButtonText = sysColour(0x80000012);
const qint32 WindowBack = sysColour(0x80000005);
const qint32 WindowText = sysColour(0x80000008);

// Builders for the rows of the table.
PropertyRule booleanRule(const char *name, bool def)
{
    return {QString::fromLatin1(name), PropertyType::Boolean, 0, 0, Value(def)};
}
PropertyRule integerRule(const char *name, int min, int max, int def)
{
    return {QString::fromLatin1(name), PropertyType::Integer, double(min), double(max),
            Value(qint32(def))};
}
PropertyRule longRule(const char *name, double min, double max, qint32 def)
{
    return {QString::fromLatin1(name), PropertyType::Long, min, max, Value(def)};
}
PropertyRule twipsRule(const char *name, bool positive = false, qint32 def = 0)
{
    return {QString::fromLatin1(name), PropertyType::Twips, 0, 0, Value(def), positive};
}
PropertyRule stringRule(const char *name, const char *def = "", int maxLength = 0)
{
    return {QString::fromLatin1(name), PropertyType::String, 0, double(maxLength),
            Value(QString::fromLatin1(def))};
}
PropertyRule colourRule(const char *name, qint32 def)
{
    return {QString::fromLatin1(name), PropertyType::Colour, 0, 0, Value(def)};
}
PropertyRule rawRule(const char *name)
{
    return {QString::fromLatin1(name), PropertyType::Raw, 0, 0, Value(QString())};
}
PropertyRule nameRule()
{
    return {QStringLiteral("Name"), PropertyType::Name, 0, 0, Value(QString())};
}
PropertyRule indexRule()
{
    return {QStringLiteral("Index"), PropertyType::Index, 0, 32767, Value()};
}
PropertyRule shortcutRule()
{
    return {QStringLiteral("Shortcut"), PropertyType::Shortcut, 0, 79, Value(qint32(0))};
}

using Rules = QList<PropertyRule>;

// Name, Index, position and the members every visible control has.
Rules control(bool tabStop)
{
    Rules s{nameRule(),
            indexRule(),
            twipsRule("Left"),
            twipsRule("Top"),
            twipsRule("Width", true),
            twipsRule("Height", true),
            booleanRule("Visible", true),
            booleanRule("Enabled", true),
            stringRule("Tag"),
            longRule("HelpContextID", -2147483648.0, 2147483647.0, 0),
            integerRule("DragMode", 0, 1, 0),
            rawRule("DragIcon"),
            integerRule("MousePointer", 0, 99, 0),
            rawRule("MouseIcon"),
            stringRule("ToolTipText"),
            integerRule("Appearance", 0, 1, 1)};
    if (tabStop)
        s << integerRule("TabIndex", 0, 32767, 0) << booleanRule("TabStop", true);
    return s;
}

// The name and the outer and client rectangles every kind of form has.
Rules windowFrame()
{
    return {nameRule(),
            twipsRule("Left"),
            twipsRule("Top"),
            twipsRule("Width", true),
            twipsRule("Height", true),
            twipsRule("ClientLeft"),
            twipsRule("ClientTop"),
            twipsRule("ClientWidth", true),
            twipsRule("ClientHeight", true)};
}

Rules withFont(Rules s, qint32 back, qint32 fore)
{
    s << rawRule("Font") << colourRule("BackColor", back) << colourRule("ForeColor", fore);
    return s;
}

Rules dataBound(Rules s)
{
    s << stringRule("DataField") << stringRule("DataSource");
    return s;
}

Rules linked(Rules s)
{
    s << stringRule("LinkItem") << integerRule("LinkMode", 0, 3, 0)
      << integerRule("LinkTimeout", -32768, 32767, 50) << stringRule("LinkTopic");
    return s;
}

Rules graphics(Rules s)
{
    s << booleanRule("AutoRedraw", false) << booleanRule("ClipControls", true)
      << integerRule("DrawMode", 1, 16, 13) << integerRule("DrawStyle", 0, 6, 0)
      << integerRule("DrawWidth", 1, 32767, 1) << colourRule("FillColor", 0)
      << integerRule("FillStyle", 0, 7, 1) << booleanRule("FontTransparent", true)
      << rawRule("Picture") << twipsRule("ScaleHeight") << twipsRule("ScaleLeft")
      << integerRule("ScaleMode", 0, 7, 1) << twipsRule("ScaleTop") << twipsRule("ScaleWidth");
    return s;
}

} // namespace

struct PropertyTable::Data
{
    struct Class
    {
        QString name;
        Rules rules;
        QHash<QString, int> byName; // lower-case name -> row
        bool addable = true;
    };
    QHash<QString, Class> classes; // lower-case class name without library prefix
    Class common;

    void add(const char *name, Rules rules, bool addable = true)
    {
        Class c;
        c.name = QString::fromLatin1(name);
        c.addable = addable;
        // Name first, the rest in alphabetical order, as a property list shows them.
        std::stable_sort(rules.begin(), rules.end(), [](const auto &a, const auto &b) {
            if ((a.name == u"Name") != (b.name == u"Name"))
                return a.name == u"Name";
            return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
        });
        c.rules = std::move(rules);
        for (int i = 0; i < c.rules.size(); ++i)
            c.byName.insert(c.rules[i].name.toLower(), i);
        classes.insert(c.name.toLower(), std::move(c));
    }
};

PropertyTable::PropertyTable() : d(new Data)
{
    Rules form = windowFrame();
    form << Rules{integerRule("Appearance", 0, 1, 1),
                  integerRule("BorderStyle", 0, 5, 2),
                  stringRule("Caption"),
                  booleanRule("ControlBox", true),
                  booleanRule("Enabled", true),
                  longRule("HelpContextID", -2147483648.0, 2147483647.0, 0),
                  rawRule("Icon"),
                  booleanRule("KeyPreview", false),
                  integerRule("LinkMode", 0, 1, 0),
                  stringRule("LinkTopic"),
                  booleanRule("MaxButton", true),
                  booleanRule("MDIChild", false),
                  booleanRule("MinButton", true),
                  rawRule("MouseIcon"),
                  integerRule("MousePointer", 0, 99, 0),
                  booleanRule("NegotiateMenus", true),
                  booleanRule("ShowInTaskbar", true),
                  integerRule("StartUpPosition", 0, 3, 0),
                  stringRule("Tag"),
                  booleanRule("Visible", true),
                  booleanRule("WhatsThisButton", false),
                  booleanRule("WhatsThisHelp", false),
                  integerRule("WindowState", 0, 2, 0)};
    d->add("Form", graphics(withFont(form, ButtonFace, ButtonText)), false);

    // The form-shaped members of control projects: drawn and laid out as forms, without their
    // caption bar.
    const Rules designed = graphics(withFont(
        windowFrame() << integerRule("Appearance", 0, 1, 1) << booleanRule("KeyPreview", false)
                      << rawRule("MouseIcon") << integerRule("MousePointer", 0, 99, 0)
                      << rawRule("Palette") << integerRule("PaletteMode", 0, 2, 0)
                      << integerRule("RightToLeft", 0, 1, 0) << stringRule("Tag"),
        ButtonFace, ButtonText));
    d->add(
        "UserControl",
        Rules(designed) << stringRule("AccessKeys") << booleanRule("Alignable", false)
                        << integerRule("BackStyle", 0, 2, 1) << integerRule("BorderStyle", 0, 1, 0)
                        << booleanRule("CanGetFocus", true)
                        << booleanRule("ControlContainer", false)
                        << booleanRule("DefaultCancel", false)
                        << booleanRule("EditAtDesignTime", false) << booleanRule("Enabled", true)
                        << booleanRule("ForwardFocus", false) << booleanRule("HasDC", true)
                        << booleanRule("InvisibleAtRuntime", false)
                        << colourRule("MaskColor", sysColour(0x80000005)) << rawRule("MaskPicture")
                        << rawRule("PropertyPages") << booleanRule("Public", true)
                        << rawRule("ToolboxBitmap") << booleanRule("Windowless", false),
        false);
    d->add("PropertyPage",
           Rules(designed) << stringRule("Caption")
                           << longRule("HelpContextID", -2147483648.0, 2147483647.0, 0)
                           << integerRule("StandardSize", 0, 2, 0),
           false);
    d->add("UserDocument",
           Rules(designed) << booleanRule("ContinuousScroll", true)
                           << longRule("HScrollSmallChange", 0, 2147483647.0, 225)
                           << integerRule("ScrollBars", 0, 3, 3)
                           << longRule("VScrollSmallChange", 0, 2147483647.0, 225),
           false);

    Rules mdi = windowFrame();
    mdi << Rules{integerRule("Appearance", 0, 1, 1),
                 booleanRule("AutoShowChildren", true),
                 colourRule("BackColor", sysColour(0x8000000C)),
                 stringRule("Caption"),
                 booleanRule("Enabled", true),
                 longRule("HelpContextID", -2147483648.0, 2147483647.0, 0),
                 rawRule("Icon"),
                 integerRule("LinkMode", 0, 1, 0),
                 stringRule("LinkTopic"),
                 rawRule("MouseIcon"),
                 integerRule("MousePointer", 0, 99, 0),
                 booleanRule("NegotiateToolbars", true),
                 rawRule("Picture"),
                 booleanRule("ScrollBars", true),
                 stringRule("Tag"),
                 booleanRule("Visible", true),
                 integerRule("WindowState", 0, 2, 0)};
    d->add("MDIForm", mdi, false);

    d->add("CommandButton", withFont(control(true), ButtonFace, ButtonText)
                                << booleanRule("Cancel", false) << stringRule("Caption")
                                << booleanRule("Default", false) << integerRule("Style", 0, 1, 0)
                                << rawRule("Picture") << rawRule("DownPicture")
                                << rawRule("DisabledPicture"));
    d->add("Label", linked(dataBound(withFont(control(false), ButtonFace, ButtonText)))
                        << integerRule("Alignment", 0, 2, 0) << booleanRule("AutoSize", false)
                        << integerRule("BackStyle", 0, 1, 1) << integerRule("BorderStyle", 0, 1, 0)
                        << stringRule("Caption") << booleanRule("UseMnemonic", true)
                        << booleanRule("WordWrap", false) << integerRule("TabIndex", 0, 32767, 0));
    d->add("TextBox", linked(dataBound(withFont(control(true), WindowBack, WindowText)))
                          << integerRule("Alignment", 0, 2, 0)
                          << integerRule("BorderStyle", 0, 1, 1)
                          << booleanRule("HideSelection", true) << booleanRule("Locked", false)
                          << longRule("MaxLength", 0, 2147483647.0, 0)
                          << booleanRule("MultiLine", false) << stringRule("PasswordChar", "", 1)
                          << integerRule("ScrollBars", 0, 3, 0) << stringRule("Text"));
    d->add("Frame", withFont(control(false), ButtonFace, ButtonText)
                        << stringRule("Caption") << booleanRule("ClipControls", true)
                        << integerRule("TabIndex", 0, 32767, 0)
                        << integerRule("BorderStyle", 0, 1, 1));
    d->add("OptionButton", withFont(control(true), ButtonFace, ButtonText)
                               << integerRule("Alignment", 0, 1, 0) << stringRule("Caption")
                               << integerRule("Style", 0, 1, 0) << booleanRule("Value", false)
                               << rawRule("Picture"));
    d->add("CheckBox", dataBound(withFont(control(true), ButtonFace, ButtonText))
                           << integerRule("Alignment", 0, 1, 0) << stringRule("Caption")
                           << integerRule("Style", 0, 1, 0) << integerRule("Value", 0, 2, 0)
                           << rawRule("Picture"));
    d->add("ListBox", dataBound(withFont(control(true), WindowBack, WindowText))
                          << integerRule("Columns", 0, 32767, 0)
                          << booleanRule("IntegralHeight", true) << rawRule("ItemData")
                          << rawRule("List") << integerRule("MultiSelect", 0, 2, 0)
                          << booleanRule("Sorted", false) << integerRule("Style", 0, 1, 0));
    d->add("ComboBox", dataBound(withFont(control(true), WindowBack, WindowText))
                           << booleanRule("IntegralHeight", true) << rawRule("ItemData")
                           << rawRule("List") << booleanRule("Locked", false)
                           << booleanRule("Sorted", false) << integerRule("Style", 0, 2, 0)
                           << stringRule("Text"));
    d->add("Timer", Rules{nameRule(), indexRule(), twipsRule("Left"), twipsRule("Top"),
                          booleanRule("Enabled", true), longRule("Interval", 0, 65535, 0),
                          stringRule("Tag")});
    d->add("PictureBox",
           linked(dataBound(graphics(withFont(control(true), ButtonFace, ButtonText))))
               << integerRule("Align", 0, 4, 0) << booleanRule("AutoSize", false)
               << integerRule("BorderStyle", 0, 1, 1) << booleanRule("Negotiate", false));
    d->add("Image", dataBound(control(false))
                        << integerRule("BorderStyle", 0, 1, 0) << rawRule("Picture")
                        << booleanRule("Stretch", false));
    d->add("Menu",
           Rules{nameRule(), indexRule(), stringRule("Caption"), booleanRule("Checked", false),
                 booleanRule("Enabled", true),
                 longRule("HelpContextID", -2147483648.0, 2147483647.0, 0),
                 integerRule("NegotiatePosition", 0, 3, 0), shortcutRule(), stringRule("Tag"),
                 booleanRule("Visible", true), booleanRule("WindowList", false)},
           false);
    d->add("Shape",
           Rules{nameRule(), indexRule(), twipsRule("Left"), twipsRule("Top"),
                 twipsRule("Width", true), twipsRule("Height", true), booleanRule("Visible", true),
                 stringRule("Tag"), colourRule("BackColor", WindowBack),
                 integerRule("BackStyle", 0, 1, 0), colourRule("BorderColor", WindowText),
                 integerRule("BorderStyle", 0, 6, 1), integerRule("BorderWidth", 1, 8192, 1),
                 integerRule("DrawMode", 1, 16, 13), colourRule("FillColor", 0),
                 integerRule("FillStyle", 0, 7, 1), integerRule("Shape", 0, 5, 0)});
    d->add("Line", Rules{nameRule(), indexRule(), booleanRule("Visible", true), stringRule("Tag"),
                         colourRule("BorderColor", WindowText), integerRule("BorderStyle", 0, 6, 1),
                         integerRule("BorderWidth", 1, 8192, 1), integerRule("DrawMode", 1, 16, 13),
                         twipsRule("X1"), twipsRule("X2"), twipsRule("Y1"), twipsRule("Y2")});
    const Rules scroll = control(true) << integerRule("LargeChange", 1, 32767, 1)
                                       << integerRule("Max", -32768, 32767, 32767)
                                       << integerRule("Min", -32768, 32767, 0)
                                       << integerRule("SmallChange", 1, 32767, 1)
                                       << integerRule("Value", -32768, 32767, 0);
    d->add("HScrollBar", scroll);
    d->add("VScrollBar", scroll);
    d->add("FileListBox", withFont(control(true), WindowBack, WindowText)
                              << booleanRule("Archive", true) << booleanRule("Hidden", false)
                              << integerRule("MultiSelect", 0, 2, 0) << booleanRule("Normal", true)
                              << stringRule("Pattern", "*.*") << booleanRule("ReadOnly", true)
                              << booleanRule("System", false));
    d->add("DirListBox", withFont(control(true), WindowBack, WindowText));
    d->add("DriveListBox", withFont(control(true), WindowBack, WindowText));
    d->add("Data", withFont(control(false), ButtonFace, ButtonText)
                       << integerRule("Align", 0, 4, 0) << stringRule("Caption")
                       << stringRule("Connect", "Access") << stringRule("DatabaseName")
                       << integerRule("DefaultCursorType", 0, 2, 0)
                       << integerRule("DefaultType", 1, 2, 2) << booleanRule("Exclusive", false)
                       << longRule("Options", -2147483648.0, 2147483647.0, 0)
                       << booleanRule("ReadOnly", false) << integerRule("RecordsetType", 0, 2, 1)
                       << stringRule("RecordSource"));

    d->common.name = QString();
    d->common.rules = control(true);
    for (int i = 0; i < d->common.rules.size(); ++i)
        d->common.byName.insert(d->common.rules[i].name.toLower(), i);
}

const PropertyTable &PropertyTable::instance()
{
    static const PropertyTable table;
    return table;
}

namespace {

QString classKey(const QString &className)
{
    QString c = className.trimmed();
    if (c.startsWith(u"VB.", Qt::CaseInsensitive))
        c = c.mid(3);
    return c.toLower();
}

} // namespace

const QList<PropertyRule> *PropertyTable::classProperties(const QString &className) const
{
    auto it = d->classes.constFind(classKey(className));
    return it == d->classes.cend() ? nullptr : &it->rules;
}

bool PropertyTable::isKnownClass(const QString &className) const
{
    return d->classes.contains(classKey(className));
}

const QList<PropertyRule> &PropertyTable::properties(const QString &className) const
{
    auto it = d->classes.constFind(classKey(className));
    return it == d->classes.cend() ? d->common.rules : it->rules;
}

const PropertyRule *PropertyTable::find(const QString &className, const QString &name) const
{
    auto it = d->classes.constFind(classKey(className));
    const Data::Class &c = it == d->classes.cend() ? d->common : *it;
    auto row = c.byName.constFind(name.trimmed().toLower());
    return row == c.byName.cend() ? nullptr : &c.rules[*row];
}

QString PropertyTable::canonicalClassName(const QString &className) const
{
    auto it = d->classes.constFind(classKey(className));
    return it == d->classes.cend() ? className : it->name;
}

QStringList PropertyTable::addableClasses() const
{
    QStringList out;
    for (const auto &c : std::as_const(d->classes)) {
        if (c.addable)
            out << c.name;
    }
    out.sort();
    return out;
}

bool isValidIdentifier(const QString &name)
{
    if (name.isEmpty() || name.size() > 40)
        return false;
    if (!(name[0].isLetter() && name[0].unicode() < 128))
        return false;
    for (QChar c : name) {
        if (c.unicode() >= 128 || !(c.isLetterOrNumber() || c == u'_'))
            return false;
    }
    return true;
}

} // namespace vbhost
