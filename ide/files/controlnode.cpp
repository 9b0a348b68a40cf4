#include "ide/files/controlnode.h"

#include "ide/files/controlnode_p.h"
#include "ide/files/formfile.h"
#include "ide/files/validate_p.h"

#include <QRegularExpression>

namespace vbhost {

namespace {

const QRegularExpression &propertyPattern()
{
    // Any name: controls of other libraries write names such as ExtraData[].
    static const QRegularExpression re(QStringLiteral("^\\s*([^\\s='][^=]*?)\\s*=(.*)$"));
    return re;
}

QByteArray leadingBlanks(const QByteArray &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return text.left(i);
}

} // namespace

bool parsePropertyLine(const QString &text, FormProperty *prop)
{
    const auto m = propertyPattern().match(text);
    if (!m.hasMatch())
        return false;
    prop->name = m.captured(1);
    splitValueAndComment(m.captured(2), &prop->valueText, &prop->comment);
    return true;
}

ControlNode::ControlNode(FormFileStyle *style, ControlNode *parent)
    : m_style(style), m_parent(parent)
{}

ControlNode::~ControlNode()
{
    // Children are taken apart one level at a time, so deep nesting never deepens the stack.
    std::vector<std::unique_ptr<ControlNode>> pending;
    const auto takeChildren = [&pending](ControlNode &n) {
        for (auto &item : n.m_items) {
            if (item->child)
                pending.push_back(std::move(item->child));
        }
    };
    takeChildren(*this);
    while (!pending.empty()) {
        std::unique_ptr<ControlNode> n = std::move(pending.back());
        pending.pop_back();
        takeChildren(*n);
    }
}

QString ControlNode::shortClassName() const
{
    const qsizetype dot = m_className.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? m_className : m_className.mid(dot + 1);
}

void ControlNode::setName(const QString &name)
{
    requireWord(name, "a control name");
    static const QRegularExpression re(QStringLiteral("^(\\s*\\S+\\s+\\S+\\s+)(\\S+)(.*)$"));
    const QString text = m_style->codePage.decode(m_begin.text);
    const auto m = re.match(text);
    if (m.hasMatch())
        m_begin.text = m_style->codePage.encode(m.captured(1) + name + m.captured(3));
    m_name = name;
}

bool ControlNode::isMenu() const
{
    return shortClassName().compare(QLatin1String("Menu"), Qt::CaseInsensitive) == 0;
}

std::optional<int> ControlNode::index() const
{
    const auto p = property(QStringLiteral("Index"));
    if (!p)
        return std::nullopt;
    const auto n = parseNumber(p->valueText);
    if (!n)
        return std::nullopt;
    return static_cast<int>(*n);
}

QString ControlNode::displayName() const
{
    const auto i = index();
    return i ? QStringLiteral("%1(%2)").arg(m_name).arg(*i) : m_name;
}

QList<ControlNode *> ControlNode::children() const
{
    QList<ControlNode *> out;
    for (const auto &item : m_items) {
        if (item->kind == Item::Kind::Child)
            out.append(item->child.get());
    }
    return out;
}

QList<ControlNode *> ControlNode::descendants() const
{
    // Without recursion: nesting may be as deep as the reader allows.
    QList<ControlNode *> out;
    std::vector<std::pair<const ControlNode *, size_t>> stack{{this, 0}};
    while (!stack.empty()) {
        auto &[node, next] = stack.back();
        if (next == node->m_items.size()) {
            stack.pop_back();
            continue;
        }
        const Item &item = *node->m_items[next++];
        if (item.kind == Item::Kind::Child) {
            out.append(item.child.get());
            stack.push_back({item.child.get(), 0});
        }
    }
    return out;
}

ControlNode *ControlNode::findChild(const QString &name, std::optional<int> index) const
{
    for (ControlNode *c : descendants()) {
        if (c->name().compare(name, Qt::CaseInsensitive) == 0 && (!index || c->index() == index))
            return c;
    }
    return nullptr;
}

QList<FormProperty> ControlNode::properties() const
{
    QList<FormProperty> out;
    for (const auto &item : m_items) {
        if (item->kind == Item::Kind::Property)
            out.append(item->prop);
    }
    return out;
}

int ControlNode::propertyItem(const QString &name) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        const Item &item = *m_items[i];
        if (item.kind == Item::Kind::Property &&
            item.prop.name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

std::optional<FormProperty> ControlNode::property(const QString &name) const
{
    const int i = propertyItem(name);
    if (i < 0)
        return std::nullopt;
    return m_items[size_t(i)]->prop;
}

QString ControlNode::propertyText(const QString &name, const QString &fallback) const
{
    const int i = propertyItem(name);
    return i < 0 ? fallback : m_items[size_t(i)]->prop.valueText;
}

QByteArray ControlNode::indentOfChildren() const
{
    for (const auto &item : m_items) {
        if (item->kind == Item::Kind::Property)
            return leadingBlanks(item->line.text);
        if (item->kind == Item::Kind::Child)
            return leadingBlanks(item->child->m_begin.text);
    }
    return leadingBlanks(m_begin.text) + (m_className.isEmpty() ? "  " : "   ");
}

void ControlNode::setProperty(const QString &name, const QString &valueText)
{
    requireWord(name, "a property name");
    requireOneLine(valueText, "a property value");
    // The text may carry a describing comment, as the designer writes `-1  'True`.
    QString value, comment;
    splitValueAndComment(valueText, &value, &comment);
    const QByteArray written = m_style->codePage.encode(valueText.trimmed());
    const int i = propertyItem(name);
    if (i >= 0) {
        Item &item = *m_items[size_t(i)];
        if (item.prop.valueText == value && (comment.isEmpty() || item.prop.comment == comment))
            return;
        // Keep everything up to the value: indentation, name, padding and blanks after '='.
        const QByteArray &raw = item.line.text;
        qsizetype v = raw.indexOf('=') + 1;
        while (v < raw.size() && (raw[v] == ' ' || raw[v] == '\t'))
            ++v;
        item.line.text = raw.left(v) + written;
        item.prop.valueText = value;
        item.prop.comment = comment;
        return;
    }

    // Lay the new line out like the block's other properties.
    QByteArray indent = indentOfChildren();
    int field = 16;
    QByteArray afterEquals = "   ";
    bool padded = true;
    bool sampled = false;
    for (const auto &item : m_items) {
        if (item->kind != Item::Kind::Property)
            continue;
        const QByteArray &raw = item->line.text;
        const qsizetype eq = raw.indexOf('=');
        const int width = int(eq - leadingBlanks(raw).size());
        const bool isPadded = width > item->prop.name.size() + 1;
        if (sampled && !isPadded)
            continue;
        field = width;
        padded = isPadded;
        qsizetype v = eq + 1;
        while (v < raw.size() && raw[v] == ' ')
            ++v;
        afterEquals = raw.mid(eq + 1, v - eq - 1);
        if (isPadded)
            break;
        sampled = true;
    }
    QByteArray text = indent + m_style->codePage.encode(name);
    if (padded && name.size() < field - 1)
        text += QByteArray(field - name.size(), ' ');
    else
        text += ' ';
    text += '=' + afterEquals + written;

    auto item = std::make_unique<Item>();
    item->kind = Item::Kind::Property;
    item->line = {text, m_style->eol};
    item->prop.name = name;
    item->prop.valueText = value;
    item->prop.comment = comment;

    size_t at = 0;
    for (size_t k = 0; k < m_items.size(); ++k) {
        const auto kind = m_items[k]->kind;
        if (kind == Item::Kind::Child)
            break;
        if (kind == Item::Kind::Property || kind == Item::Kind::Block)
            at = k + 1;
    }
    m_items.insert(m_items.begin() + long(at), std::move(item));
}

bool ControlNode::removeProperty(const QString &name)
{
    const int i = propertyItem(name);
    if (i < 0)
        return false;
    m_items.erase(m_items.begin() + i);
    return true;
}

QStringList ControlNode::propertyBlockNames() const
{
    QStringList out;
    for (const auto &item : m_items) {
        if (item->kind == Item::Kind::Block)
            out.append(item->blockName);
    }
    return out;
}

QList<FormProperty> ControlNode::propertyBlock(const QString &name) const
{
    QList<FormProperty> out;
    for (const auto &item : m_items) {
        if (item->kind != Item::Kind::Block ||
            item->blockName.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        int depth = 0;
        for (const TextLine &line : item->block) {
            const QString text = m_style->codePage.decode(line.text).trimmed();
            if (text.startsWith(QLatin1String("BeginProperty"), Qt::CaseInsensitive))
                ++depth;
            else if (text.startsWith(QLatin1String("EndProperty"), Qt::CaseInsensitive))
                --depth;
            else if (FormProperty p; depth == 1 && parsePropertyLine(text, &p))
                out << p;
        }
        break;
    }
    return out;
}

ControlNode *ControlNode::addChild(const QString &className, const QString &name)
{
    requireWord(className, "a control class");
    requireWord(name, "a control name");
    QString cls = className;
    if (!cls.contains(QLatin1Char('.')))
        cls = m_style->classPrefix + cls;
    auto node = std::unique_ptr<ControlNode>(new ControlNode(m_style, this));
    node->m_className = cls;
    node->m_name = name;
    const QByteArray indent = indentOfChildren();
    node->m_begin = {indent + "Begin " + m_style->codePage.encode(cls) + ' ' +
                         m_style->codePage.encode(name) + (m_style->beginTrailingBlank ? " " : ""),
                     m_style->eol};
    node->m_end = {indent + "End", m_style->eol};
    ControlNode *result = node.get();

    size_t at = m_items.size();
    if (!result->isMenu()) {
        for (size_t k = 0; k < m_items.size(); ++k) {
            if (m_items[k]->kind == Item::Kind::Child && m_items[k]->child->isMenu()) {
                at = k;
                break;
            }
        }
    }
    auto item = std::make_unique<Item>();
    item->kind = Item::Kind::Child;
    item->child = std::move(node);
    m_items.insert(m_items.begin() + long(at), std::move(item));
    return result;
}

bool ControlNode::removeChild(ControlNode *child)
{
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if ((*it)->kind == Item::Kind::Child && (*it)->child.get() == child) {
            m_items.erase(it);
            return true;
        }
    }
    return false;
}

void ControlNode::appendTo(QList<TextLine> &out) const
{
    std::vector<std::pair<const ControlNode *, size_t>> stack{{this, 0}};
    out.append(m_begin);
    while (!stack.empty()) {
        auto &[node, next] = stack.back();
        if (next == node->m_items.size()) {
            out.append(node->m_end);
            stack.pop_back();
            continue;
        }
        const Item &item = *node->m_items[next++];
        switch (item.kind) {
        case Item::Kind::Raw:
        case Item::Kind::Property:
            out.append(item.line);
            break;
        case Item::Kind::Block:
            out.append(item.block);
            break;
        case Item::Kind::Child:
            out.append(item.child->m_begin);
            stack.push_back({item.child.get(), 0});
            break;
        }
    }
}

} // namespace vbhost
