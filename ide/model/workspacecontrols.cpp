#include "ide/model/workspacedata_p.h"

#include "ide/files/parseerror.h"
#include "ide/files/propertyvalue.h"
#include "ide/model/newcontrol.h"

namespace vbhost {

using automation::Error;

namespace {

// The controls among nodes that no other of them holds, in file order; menus stay out.
QList<ControlNode *> outermost(const Document &doc, const QList<ControlNode *> &nodes)
{
    QList<ControlNode *> out;
    for (ControlNode *n : doc.file->controls()) {
        if (!nodes.contains(n) || n->isMenu())
            continue;
        bool inside = false;
        for (const ControlNode *p = n->parent(); p && !inside; p = p->parent())
            inside = nodes.contains(const_cast<ControlNode *>(p));
        if (!inside)
            out << n;
    }
    return out;
}

QList<const ControlNode *> preOrder(const ControlNode *top)
{
    QList<const ControlNode *> out{top};
    for (const ControlNode *c : top->descendants())
        out << c;
    return out;
}

void shift(ControlNode &n, const char *name, double by)
{
    if (by == 0)
        return;
    const QString p = QString::fromLatin1(name);
    n.setProperty(p, formatNumber(storedNumber(n, p).value_or(0) + by));
}

// A name the pasted control takes, and its index in a control array.
struct PlannedName
{
    QString name;
    std::optional<int> index;
};

struct NameInUse
{
    QString name;
    std::optional<int> index;
    QString className;
    ControlNode *existing = nullptr; // else planned[plan]
    qsizetype plan = -1;
};

} // namespace

QList<ControlNode *> WorkspaceData::pasteControls(Document &doc, ControlNode &container,
                                                  const Workspace::CopiedControls &copied,
                                                  bool atCorner, double dx, double dy,
                                                  const Workspace::ClashQuestion &ask,
                                                  Origin origin)
{
    const CodePage cp = doc.file->codePage();
    QByteArray appended;
    QString body = placeCompanionRecords(doc, copied, &appended);
    if (!body.endsWith(u'\n'))
        body += QStringLiteral("\r\n");
    std::optional<FormFile> clip;
    try {
        clip = FormFile::fromBytes(cp.encode(QStringLiteral("VERSION 4.00\r\n"
                                                            "Begin VB.Form Clipboard \r\n") +
                                             body + QStringLiteral("End\r\n")),
                                   QStringLiteral("Clipboard"), cp);
    } catch (const ParseError &) {
        throw Error::invalidCall();
    }
    QList<const ControlNode *> sources;
    QList<const ControlNode *> tops;
    for (const ControlNode *top : clip->root()->children()) {
        if (top->isMenu())
            continue;
        tops << top;
        sources += preOrder(top);
    }
    if (tops.isEmpty())
        return {};

    // Every name is settled, and every question asked, before anything changes.
    QList<NameInUse> inUse;
    for (ControlNode *c : doc.file->controls())
        inUse << NameInUse{c->name(), c->index(), c->shortClassName(), c, -1};
    const auto freeName = [&](const QString &base) {
        for (int n = 1;; ++n) {
            const QString name = base + QString::number(n);
            if (std::none_of(inUse.begin(), inUse.end(), [&](const NameInUse &u) {
                    return u.name.compare(name, Qt::CaseInsensitive) == 0;
                }))
                return name;
        }
    };
    QList<PlannedName> planned;
    QList<ControlNode *> becomeFirstElement;
    for (const ControlNode *s : sources) {
        const QString cls = s->shortClassName();
        QList<NameInUse *> same;
        for (NameInUse &u : inUse) {
            if (u.name.compare(s->name(), Qt::CaseInsensitive) == 0)
                same << &u;
        }
        const bool sameClass = std::all_of(same.begin(), same.end(), [&](const NameInUse *u) {
            return u->className.compare(cls, Qt::CaseInsensitive) == 0;
        });
        PlannedName p{s->name(), s->index()};
        const bool pastedArray = std::all_of(same.begin(), same.end(), [&](const NameInUse *u) {
            return !u->existing && u->index && u->index != s->index();
        });
        if (!same.isEmpty() && sameClass && pastedArray && s->index()) {
            // Elements of an array pasted together keep their indexes.
        } else if (!same.isEmpty() && sameClass && same.first()->index) {
            int next = 0;
            for (const NameInUse *u : same)
                next = std::max(next, u->index.value_or(0) + 1);
            p = {same.first()->name, next};
        } else if (same.size() == 1 && sameClass &&
                   ask(same.first()->name) == Workspace::NameClash::ControlArray) {
            NameInUse &first = *same.first();
            first.index = 0;
            if (first.existing)
                becomeFirstElement << first.existing;
            else
                planned[first.plan].index = 0;
            p = {first.name, 1};
        } else if (!same.isEmpty()) {
            p = {freeName(newControlStyle(cls).baseName), std::nullopt};
        }
        inUse << NameInUse{p.name, p.index, cls, nullptr, planned.size()};
        planned << p;
    }

    if (atCorner) {
        // The group's top-left corner goes to the container's.
        double left = 0, top = 0;
        bool first = true;
        for (const ControlNode *t : tops) {
            const bool line = t->shortClassName().compare(u"Line", Qt::CaseInsensitive) == 0;
            const auto at = [&](const char *a, const char *b) {
                const double x = storedNumber(*t, QString::fromLatin1(a)).value_or(0);
                return line ? std::min(x, storedNumber(*t, QString::fromLatin1(b)).value_or(0)) : x;
            };
            const double l = line ? at("X1", "X2") : at("Left", "Left");
            const double tp = line ? at("Y1", "Y2") : at("Top", "Top");
            left = first ? l : std::min(left, l);
            top = first ? tp : std::min(top, tp);
            first = false;
        }
        dx -= left;
        dy -= top;
    }
    beginChange(origin, &doc);
    appendToCompanion(doc, appended);
    for (ControlNode *n : becomeFirstElement)
        n->setProperty(QStringLiteral("Index"), QStringLiteral("0"));
    int tabIndex = nextTabIndex(doc);
    QList<ControlNode *> added;
    qsizetype at = 0;
    for (const ControlNode *top : tops) {
        ControlNode *copy = container.addCopy(*top);
        added << copy;
        for (const ControlNode *c : preOrder(copy)) {
            auto *n = const_cast<ControlNode *>(c);
            const PlannedName &p = planned[at++];
            if (n->name() != p.name)
                n->setName(p.name);
            if (p.index)
                n->setProperty(QStringLiteral("Index"), QString::number(*p.index));
            else
                n->removeProperty(QStringLiteral("Index"));
            if (n->hasProperty(QStringLiteral("TabIndex")))
                n->setProperty(QStringLiteral("TabIndex"), QString::number(tabIndex++));
            uidOf(doc, n);
        }
        if (copy->shortClassName().compare(u"Line", Qt::CaseInsensitive) == 0) {
            shift(*copy, "X1", dx);
            shift(*copy, "X2", dx);
            shift(*copy, "Y1", dy);
            shift(*copy, "Y2", dy);
        } else {
            shift(*copy, "Left", dx);
            shift(*copy, "Top", dy);
        }
    }
    markDirty(doc, Workspace::Change::Controls);
    QList<quint64> uids;
    for (ControlNode *n : added)
        uids << uidOf(doc, n);
    setSelection(doc, uids);
    return added;
}

void WorkspaceData::restack(Document &doc, const QList<ControlNode *> &nodes, bool toFront,
                            Origin origin)
{
    QList<ControlNode *> top = outermost(doc, nodes);
    if (top.isEmpty())
        return;
    beginChange(origin, &doc);
    // Moved one by one in an order that keeps them as they were among themselves.
    if (!toFront)
        std::reverse(top.begin(), top.end());
    for (ControlNode *n : top)
        n->parent()->moveChild(n, toFront);
    markDirty(doc, Workspace::Change::Controls);
}

// --- Workspace ----------------------------------------------------------------------------

namespace {

QList<ControlNode *> nodesFor(WorkspaceData &d, const Document &doc, const QStringList &keys)
{
    QList<ControlNode *> nodes;
    for (const QString &k : keys) {
        if (ControlNode *n = k.isEmpty() ? nullptr : d.nodeForKey(doc, k))
            nodes << n;
    }
    return nodes;
}

} // namespace

QString Workspace::copyControls(int formId, const QStringList &keys) const
{
    Document &doc = d->formForDesigner(formId);
    const QList<ControlNode *> top = outermost(doc, nodesFor(*d, doc, keys));
    if (top.isEmpty())
        return {};
    // Copied into a form of their own, they are written as blocks of a form's first level.
    FormFile scratch = FormFile::newForm(QStringLiteral("Clipboard"), QStringLiteral("4.00"),
                                         doc.file->codePage());
    QList<TextLine> lines;
    for (const ControlNode *n : top)
        scratch.root()->addCopy(*n)->appendTo(lines);
    return doc.file->codePage().decode(joinLines(lines));
}

Workspace::CopiedControls Workspace::copyControlsWithRecords(int formId,
                                                             const QStringList &keys) const
{
    CopiedControls copied{copyControls(formId, keys), {}};
    copied.records = d->companionRecords(d->formForDesigner(formId), copied.text);
    return copied;
}

QStringList Workspace::pasteControls(int formId, const QString &containerKey, const QString &text,
                                     bool atCorner, double dx, double dy, const ClashQuestion &ask)
{
    return pasteControls(formId, containerKey, CopiedControls{text, {}}, atCorner, dx, dy, ask);
}

QStringList Workspace::pasteControls(int formId, const QString &containerKey,
                                     const CopiedControls &copied, bool atCorner, double dx,
                                     double dy, const ClashQuestion &ask)
{
    Document &doc = d->formForDesigner(formId);
    ControlNode *container = d->nodeForKey(doc, containerKey);
    if (!container)
        throw automation::Error::invalidCall();
    QStringList keys;
    for (const ControlNode *n : d->pasteControls(doc, *container, copied, atCorner, dx, dy, ask,
                                                 UndoStep::Origin::Designer))
        keys << d->keyOf(*n);
    return keys;
}

void Workspace::bringToFront(int formId, const QStringList &keys)
{
    Document &doc = d->formForDesigner(formId);
    d->restack(doc, nodesFor(*d, doc, keys), true, UndoStep::Origin::Designer);
}

void Workspace::sendToBack(int formId, const QStringList &keys)
{
    Document &doc = d->formForDesigner(formId);
    d->restack(doc, nodesFor(*d, doc, keys), false, UndoStep::Origin::Designer);
}

} // namespace vbhost
