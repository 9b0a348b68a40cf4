#include "ide/model/workspacedata_p.h"

#include "ide/files/propertyvalue.h"
#include "ide/model/newcontrol.h"
#include "ide/model/propertytable.h"
#include "platform/basic/basic.h"

namespace vbhost {

using automation::Error;
using automation::Value;

namespace {

const QString ClientOf[][2] = {{QStringLiteral("Height"), QStringLiteral("ClientHeight")},
                               {QStringLiteral("Width"), QStringLiteral("ClientWidth")},
                               {QStringLiteral("Left"), QStringLiteral("ClientLeft")},
                               {QStringLiteral("Top"), QStringLiteral("ClientTop")}};
// Outer minus client measure of a sizable form with a caption, for files that store only the
// client area.
const double ClientDelta[] = {405, 120, -60, -345};

int outerIndex(const QString &name)
{
    for (int i = 0; i < 4; ++i) {
        if (ClientOf[i][0].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool isGeometry(const QString &name)
{
    static const QStringList names{QStringLiteral("Left"),  QStringLiteral("Top"),
                                   QStringLiteral("Width"), QStringLiteral("Height"),
                                   QStringLiteral("X1"),    QStringLiteral("X2"),
                                   QStringLiteral("Y1"),    QStringLiteral("Y2")};
    return names.contains(name, Qt::CaseInsensitive);
}

// A property of a class the table does not cover, typed by how the file writes it.
PropertyRule ruleByLook(const FormProperty &p)
{
    PropertyRule s;
    s.name = p.name;
    QString v, c;
    splitValueAndComment(p.valueText, &v, &c);
    if (!p.comment.isEmpty())
        c = p.comment;
    const PropertyValue pv = parsePropertyValue(v);
    switch (pv.kind) {
    case PropertyValue::Kind::String:
        s.type = PropertyType::String;
        break;
    case PropertyValue::Kind::Number:
        if ((pv.number == 0 || pv.number == -1) &&
            (c.trimmed().compare(u"True", Qt::CaseInsensitive) == 0 ||
             c.trimmed().compare(u"False", Qt::CaseInsensitive) == 0))
            s.type = PropertyType::Boolean;
        else
            s.type = PropertyType::Twips;
        break;
    case PropertyValue::Kind::Colour:
        s.type = PropertyType::Colour;
        break;
    default:
        s.type = PropertyType::Raw;
        break;
    }
    return s;
}

} // namespace

std::optional<double> storedNumber(const ControlNode &node, const QString &name)
{
    const auto p = node.property(name);
    if (!p)
        return std::nullopt;
    QString v, c;
    splitValueAndComment(p->valueText, &v, &c);
    return parseNumber(v);
}

// --- properties -------------------------------------------------------------------------

QList<PropertyRule> WorkspaceData::propertyRules(const ControlNode &n) const
{
    const PropertyTable &table = PropertyTable::instance();
    const QString cls = n.shortClassName();
    QList<PropertyRule> rules = table.properties(cls);
    for (const FormProperty &p : n.properties()) {
        if (!table.find(cls, p.name))
            rules << ruleByLook(p);
    }
    return rules;
}

const PropertyRule *WorkspaceData::findRule(const ControlNode &n, const QString &name,
                                            PropertyRule *scratch) const
{
    if (const PropertyRule *s = PropertyTable::instance().find(n.shortClassName(), name))
        return s;
    if (auto p = n.property(name.trimmed())) {
        *scratch = ruleByLook(*p);
        return scratch;
    }
    return nullptr;
}

Value WorkspaceData::readFormGeometry(const ControlNode &n, const QString &name) const
{
    if (auto v = storedNumber(n, name))
        return basic::longOrDouble<Value>(*v);
    const int i = outerIndex(name);
    if (auto c = storedNumber(n, ClientOf[i][1]))
        return basic::longOrDouble<Value>(*c + ClientDelta[i]);
    return Value(qint32(0));
}

Value WorkspaceData::readProperty(const Document &doc, const ControlNode &n,
                                  const QString &name) const
{
    PropertyRule scratch;
    const PropertyRule *rule = findRule(n, name, &scratch);
    if (!rule)
        throw Error::propertyNotFound();
    if (rule->type == PropertyType::Name)
        return Value(n.parent() ? n.name() : doc.file->moduleName());
    if (rule->type == PropertyType::Index) {
        const auto index = n.index();
        return index ? Value(qint32(*index)) : Value();
    }
    if (!n.parent() && outerIndex(rule->name) >= 0)
        return readFormGeometry(n, rule->name);
    if (auto p = n.property(rule->name)) {
        QString v, c;
        splitValueAndComment(p->valueText, &v, &c);
        return PropertyTable::fromFileText(rule, v, p->comment.isEmpty() ? c : p->comment);
    }
    return rule->defaultValue;
}

void WorkspaceData::writeFormGeometry(ControlNode &n, const PropertyRule &rule, double value)
{
    const int i = outerIndex(rule.name);
    const QString &client = ClientOf[i][1];
    const double old = readFormGeometry(n, rule.name).toDouble();
    const auto oldClient = storedNumber(n, client);
    if (n.hasProperty(rule.name) || !oldClient)
        n.setProperty(rule.name, formatNumber(value));
    if (!oldClient)
        return;
    double newClient = *oldClient + (value - old);
    if (rule.positive && newClient < 0)
        newClient = 0;
    n.setProperty(client, formatNumber(newClient));
    // A twips scale follows the client area.
    const QString scale = i == 0   ? QStringLiteral("ScaleHeight")
                          : i == 1 ? QStringLiteral("ScaleWidth")
                                   : QString();
    if (!scale.isEmpty() && storedNumber(n, scale) == oldClient)
        n.setProperty(scale, formatNumber(newClient));
}

void WorkspaceData::rename(Document &doc, ControlNode &n, const QString &name)
{
    if (!n.parent()) {
        if (name == doc.file->moduleName())
            return;
        if (documentNameInUse(name, &doc))
            throw nameInUseError(name);
        // The project names its start-up and icon forms; they follow the rename.
        const QString old = doc.file->moduleName();
        for (const QString &key : {QStringLiteral("Startup"), QStringLiteral("IconForm")}) {
            if (project->textValue(key).compare(old, Qt::CaseInsensitive) == 0) {
                project->setValue(key, quoteString(name));
                projectDirty = true;
            }
        }
        doc.file->setModuleName(name);
        emit q->changed(Workspace::Change::Documents, doc.id);
        return;
    }
    if (name == n.name())
        return;
    for (const ControlNode *c : doc.file->controls()) {
        if (c != &n && c->name().compare(name, Qt::CaseInsensitive) == 0)
            throw nameInUseError(name);
    }
    n.setName(name);
}

void WorkspaceData::setIndex(Document &doc, ControlNode &n, int index)
{
    for (const ControlNode *c : doc.file->controls()) {
        if (c == &n || c->name().compare(n.name(), Qt::CaseInsensitive) != 0)
            continue;
        const auto other = c->index();
        if (!other || *other == index)
            throw Error::invalidPropertyValue();
    }
    n.setProperty(QStringLiteral("Index"), QString::number(index));
}

void WorkspaceData::followPictureBoxScale(const Document &doc, ControlNode &n,
                                          const QString &changed)
{
    // A picture box measured in twips keeps its scale equal to its inner size, as the designer
    // writes it.
    if (n.shortClassName().compare(u"PictureBox", Qt::CaseInsensitive) != 0 ||
        !(changed == u"Width" || changed == u"Height" || changed == u"BorderStyle" ||
          changed == u"Appearance") ||
        readProperty(doc, n, QStringLiteral("ScaleMode")).toLong() != 1)
        return;
    const auto number = [&](const char *name) {
        return readProperty(doc, n, QString::fromLatin1(name)).toDouble();
    };
    const QSize scale = pictureBoxScale(number("Width"), number("Height"),
                                        int(number("BorderStyle")), int(number("Appearance")));
    n.setProperty(QStringLiteral("ScaleHeight"), QString::number(scale.height()));
    n.setProperty(QStringLiteral("ScaleWidth"), QString::number(scale.width()));
}

bool WorkspaceData::hasFixedHeight(const Document &doc, const ControlNode &n) const
{
    // A drive list is a drop-down list: as tall as its font, whatever its style.
    if (n.shortClassName().compare(u"DriveListBox", Qt::CaseInsensitive) == 0)
        return true;
    if (n.shortClassName().compare(u"ComboBox", Qt::CaseInsensitive) != 0)
        return false;
    // A drop-down combo (Style 0 or 2) is as tall as its font; a simple combo (1) takes any.
    return readProperty(doc, n, QStringLiteral("Style")).toLong() != 1;
}

void WorkspaceData::writeProperty(Document &doc, ControlNode &n, const QString &name,
                                  const Value &value, Origin origin)
{
    PropertyRule scratch;
    const PropertyRule *rule = findRule(n, name, &scratch);
    if (!rule)
        throw Error::propertyNotFound();
    const Value v = PropertyTable::validate(*rule, value, doc.file->codePage());
    if (hasFixedHeight(doc, n) && rule->name == u"Height")
        return; // accepted, as the height follows the font
    beginChange(origin, &doc);
    switch (rule->type) {
    case PropertyType::Name:
        rename(doc, n, v.toString());
        break;
    case PropertyType::Index:
        setIndex(doc, n, v.toLong());
        break;
    case PropertyType::Shortcut:
        if (v.toLong() == 0)
            n.removeProperty(rule->name);
        else
            n.setProperty(rule->name, PropertyTable::toFileText(*rule, v));
        break;
    default:
        if (!n.parent() && outerIndex(rule->name) >= 0)
            writeFormGeometry(n, *rule, v.toDouble());
        else
            n.setProperty(rule->name, PropertyTable::toFileText(*rule, v));
        followPictureBoxScale(doc, n, rule->name);
        break;
    }
    const bool shape = rule->type == PropertyType::Name || rule->type == PropertyType::Index ||
                       isGeometry(rule->name);
    markDirty(doc, shape ? Workspace::Change::Controls : Workspace::Change::Properties);
}

} // namespace vbhost
