#include "controllook.h"

#include "ide/designer/systemcolours.h"
#include "ide/files/controlnode.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/propertytable.h"

#include <QHash>

namespace vbhost {

namespace {

enum class Field {
    BackColor,
    ForeColor,
    FillColor,
    BorderColor,
    Alignment,
    Appearance,
    BackStyle,
    BorderStyle,
    BorderWidth,
    FillStyle,
    Shape,
    Style,
    Value,
    AutoSize,
    WordWrap,
    Stretch,
    Enabled,
    ControlBox,
    MinButton,
    MaxButton,
    Caption,
    Text,
    Picture,
    Icon
};

const QHash<QString, Field> &fieldsByName()
{
    static const QHash<QString, Field> fields{{QStringLiteral("backcolor"), Field::BackColor},
                                              {QStringLiteral("forecolor"), Field::ForeColor},
                                              {QStringLiteral("fillcolor"), Field::FillColor},
                                              {QStringLiteral("bordercolor"), Field::BorderColor},
                                              {QStringLiteral("alignment"), Field::Alignment},
                                              {QStringLiteral("appearance"), Field::Appearance},
                                              {QStringLiteral("backstyle"), Field::BackStyle},
                                              {QStringLiteral("borderstyle"), Field::BorderStyle},
                                              {QStringLiteral("borderwidth"), Field::BorderWidth},
                                              {QStringLiteral("fillstyle"), Field::FillStyle},
                                              {QStringLiteral("shape"), Field::Shape},
                                              {QStringLiteral("style"), Field::Style},
                                              {QStringLiteral("value"), Field::Value},
                                              {QStringLiteral("autosize"), Field::AutoSize},
                                              {QStringLiteral("wordwrap"), Field::WordWrap},
                                              {QStringLiteral("stretch"), Field::Stretch},
                                              {QStringLiteral("enabled"), Field::Enabled},
                                              {QStringLiteral("controlbox"), Field::ControlBox},
                                              {QStringLiteral("minbutton"), Field::MinButton},
                                              {QStringLiteral("maxbutton"), Field::MaxButton},
                                              {QStringLiteral("caption"), Field::Caption},
                                              {QStringLiteral("text"), Field::Text},
                                              {QStringLiteral("picture"), Field::Picture},
                                              {QStringLiteral("icon"), Field::Icon}};
    return fields;
}

int wholeNumber(const QString &text, int fallback)
{
    if (auto n = parseNumber(text))
        return int(*n);
    if (auto b = parseBoolean(text))
        return *b ? -1 : 0;
    return fallback;
}

quint32 colour(const QString &text, quint32 fallback)
{
    if (auto c = parseColour(text))
        return oleColourToArgb(*c);
    if (auto n = parseNumber(text))
        return oleColourToArgb(quint32(qint64(*n)));
    return fallback;
}

void apply(ControlLook &look, Field field, const QString &text)
{
    switch (field) {
    case Field::BackColor:
        look.backColour = colour(text, look.backColour);
        break;
    case Field::ForeColor:
        look.foreColour = colour(text, look.foreColour);
        break;
    case Field::FillColor:
        look.fillColour = colour(text, look.fillColour);
        break;
    case Field::BorderColor:
        look.borderColour = colour(text, look.borderColour);
        break;
    case Field::Alignment:
        look.alignment = wholeNumber(text, look.alignment);
        break;
    case Field::Appearance:
        look.appearance = wholeNumber(text, look.appearance);
        break;
    case Field::BackStyle:
        look.backStyle = wholeNumber(text, look.backStyle);
        break;
    case Field::BorderStyle:
        look.borderStyle = wholeNumber(text, look.borderStyle);
        break;
    case Field::BorderWidth:
        look.borderWidth = std::max(1, wholeNumber(text, look.borderWidth));
        break;
    case Field::FillStyle:
        look.fillStyle = wholeNumber(text, look.fillStyle);
        break;
    case Field::Shape:
        look.shape = wholeNumber(text, look.shape);
        break;
    case Field::Style:
        look.style = wholeNumber(text, look.style);
        break;
    case Field::Value:
        look.value = wholeNumber(text, look.value);
        break;
    case Field::AutoSize:
        look.autoSize = wholeNumber(text, look.autoSize ? -1 : 0) != 0;
        break;
    case Field::WordWrap:
        look.wordWrap = wholeNumber(text, look.wordWrap ? -1 : 0) != 0;
        break;
    case Field::Stretch:
        look.stretch = wholeNumber(text, look.stretch ? -1 : 0) != 0;
        break;
    case Field::Enabled:
        look.enabled = wholeNumber(text, look.enabled ? -1 : 0) != 0;
        break;
    case Field::ControlBox:
        look.controlBox = wholeNumber(text, look.controlBox ? -1 : 0) != 0;
        break;
    case Field::MinButton:
        look.minButton = wholeNumber(text, look.minButton ? -1 : 0) != 0;
        break;
    case Field::MaxButton:
        look.maxButton = wholeNumber(text, look.maxButton ? -1 : 0) != 0;
        break;
    case Field::Caption:
    case Field::Text: {
        // A long text kept in the binary companion is not shown.
        const QString shown = unquoteString(text).value_or(QString());
        (field == Field::Caption ? look.caption : look.text) = shown;
        break;
    }
    case Field::Picture:
    case Field::Icon: {
        const PropertyValue v = parsePropertyValue(text);
        PictureRef ref;
        if (v.kind == PropertyValue::Kind::FrxRef)
            ref = {v.frxFile, v.frxOffset};
        (field == Field::Picture ? look.picture : look.icon) = ref;
        break;
    }
    }
}

// The class's defaults, once per class.
const ControlLook &classDefaults(const QString &className)
{
    static QHash<QString, ControlLook> cache;
    const QString key = className.toLower();
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    ControlLook look;
    const PropertyTable &table = PropertyTable::instance();
    const QHash<QString, Field> &fields = fieldsByName();
    for (auto f = fields.constBegin(); f != fields.constEnd(); ++f) {
        const PropertyRule *rule = table.find(className, f.key());
        if (!rule || rule->defaultValue.isEmpty() || rule->type == PropertyType::Raw)
            continue;
        const automation::Value &v = rule->defaultValue;
        if (rule->type == PropertyType::String)
            apply(look, f.value(), quoteString(v.toString()));
        else if (rule->type == PropertyType::Boolean)
            apply(look, f.value(), formatBoolean(v.toBool()));
        else if (rule->type == PropertyType::Colour)
            apply(look, f.value(), formatColour(quint32(v.toLong())));
        else
            apply(look, f.value(), QString::number(v.toLong()));
    }
    return *cache.insert(key, look);
}

ControlLook readLook(const ControlNode &node, const FontSpec &inheritedFont)
{
    ControlLook look = classDefaults(node.shortClassName());
    const QHash<QString, Field> &fields = fieldsByName();
    for (const FormProperty &p : node.properties()) {
        const auto it = fields.constFind(p.name.toLower());
        if (it != fields.constEnd())
            apply(look, *it, p.valueText);
    }
    look.font = readFont(node, inheritedFont);
    return look;
}

} // namespace

ControlLook formLook(const ControlNode &root, const QString &fileVersion)
{
    return readLook(root, defaultFont(fileVersion));
}

ControlLook controlLook(const ControlNode &node, const ControlLook &form)
{
    return readLook(node, form.font);
}

} // namespace vbhost
