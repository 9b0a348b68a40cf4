#include "controllook.h"

#include "ide/designer/systemcolours.h"
#include "ide/files/controlnode.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/propertytable.h"

#include <QHash>

namespace vbhost {

namespace {

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

// Setters of one field of the look from a property's value text.
using Setter = void (*)(ControlLook &, const QString &);

template <quint32 ControlLook::*Member> void setColour(ControlLook &look, const QString &text)
{
    look.*Member = colour(text, look.*Member);
}

template <int ControlLook::*Member> void setNumber(ControlLook &look, const QString &text)
{
    look.*Member = wholeNumber(text, look.*Member);
}

template <bool ControlLook::*Member> void setFlag(ControlLook &look, const QString &text)
{
    look.*Member = wholeNumber(text, look.*Member ? -1 : 0) != 0;
}

// A long text kept in the binary companion is not shown.
template <QString ControlLook::*Member> void setText(ControlLook &look, const QString &text)
{
    look.*Member = unquoteString(text).value_or(QString());
}

template <PictureRef ControlLook::*Member> void setPicture(ControlLook &look, const QString &text)
{
    const PropertyValue v = parsePropertyValue(text);
    look.*Member =
        v.kind == PropertyValue::Kind::FrxRef ? PictureRef{v.frxFile, v.frxOffset} : PictureRef();
}

void setBorderWidth(ControlLook &look, const QString &text)
{
    look.borderWidth = std::max(1, wholeNumber(text, look.borderWidth));
}

// By property name in lower case.
const QHash<QString, Setter> &settersByName()
{
    using L = ControlLook;
    static const QHash<QString, Setter> setters{
        {QStringLiteral("backcolor"), setColour<&L::backColour>},
        {QStringLiteral("forecolor"), setColour<&L::foreColour>},
        {QStringLiteral("fillcolor"), setColour<&L::fillColour>},
        {QStringLiteral("bordercolor"), setColour<&L::borderColour>},
        {QStringLiteral("alignment"), setNumber<&L::alignment>},
        {QStringLiteral("appearance"), setNumber<&L::appearance>},
        {QStringLiteral("backstyle"), setNumber<&L::backStyle>},
        {QStringLiteral("borderstyle"), setNumber<&L::borderStyle>},
        {QStringLiteral("borderwidth"), setBorderWidth},
        {QStringLiteral("fillstyle"), setNumber<&L::fillStyle>},
        {QStringLiteral("shape"), setNumber<&L::shape>},
        {QStringLiteral("style"), setNumber<&L::style>},
        {QStringLiteral("value"), setNumber<&L::value>},
        {QStringLiteral("autosize"), setFlag<&L::autoSize>},
        {QStringLiteral("wordwrap"), setFlag<&L::wordWrap>},
        {QStringLiteral("stretch"), setFlag<&L::stretch>},
        {QStringLiteral("enabled"), setFlag<&L::enabled>},
        {QStringLiteral("controlbox"), setFlag<&L::controlBox>},
        {QStringLiteral("minbutton"), setFlag<&L::minButton>},
        {QStringLiteral("maxbutton"), setFlag<&L::maxButton>},
        {QStringLiteral("caption"), setText<&L::caption>},
        {QStringLiteral("text"), setText<&L::text>},
        {QStringLiteral("picture"), setPicture<&L::picture>},
        {QStringLiteral("icon"), setPicture<&L::icon>}};
    return setters;
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
    const QHash<QString, Setter> &setters = settersByName();
    for (auto f = setters.constBegin(); f != setters.constEnd(); ++f) {
        const PropertyRule *rule = table.find(className, f.key());
        if (!rule || rule->defaultValue.isEmpty() || rule->type == PropertyType::Raw)
            continue;
        const automation::Value &v = rule->defaultValue;
        if (rule->type == PropertyType::String)
            f.value()(look, quoteString(v.toString()));
        else if (rule->type == PropertyType::Boolean)
            f.value()(look, formatBoolean(v.toBool()));
        else if (rule->type == PropertyType::Colour)
            f.value()(look, formatColour(quint32(v.toLong())));
        else
            f.value()(look, QString::number(v.toLong()));
    }
    return *cache.insert(key, look);
}

ControlLook readLook(const ControlNode &node, const FileFont &inheritedFont)
{
    ControlLook look = classDefaults(node.shortClassName());
    const QHash<QString, Setter> &setters = settersByName();
    for (const FormProperty &p : node.properties()) {
        const auto it = setters.constFind(p.name.toLower());
        if (it != setters.constEnd())
            (*it)(look, p.valueText);
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
