#include "ide/model/modelobjects.h"

#include "ide/model/propertytable.h"
#include "ide/model/workspacedata_p.h"

#include <QPointer>

namespace vbhost {

using automation::Error;
using automation::ObjectPtr;
using automation::Value;
using automation::Values;
using Origin = UndoStep::Origin;

namespace {

const Origin FromAddIn = Origin::Automation;

void expectArgs(const Values &args, qsizetype min, qsizetype max)
{
    if (args.size() < min || args.size() > max)
        throw Error::wrongArguments();
}

// Ties an object to the project that was open when it was made.
class ModelObject : public automation::DispatchObject
{
protected:
    explicit ModelObject(Workspace *ws) : m_ws(ws), m_generation(workspaceData(*ws).generation) {}

    WorkspaceData &data() const
    {
        if (!m_ws)
            throw Error::notSet();
        WorkspaceData &d = workspaceData(*m_ws);
        if (d.generation != m_generation || !d.project)
            throw Error::notSet();
        d.touchAutomation();
        return d;
    }
    Workspace *workspace() const { return m_ws; }

private:
    QPointer<Workspace> m_ws;
    int m_generation;
};

// One control, menu or the form itself, addressed by document and control id.
class NodeObject : public ModelObject
{
protected:
    NodeObject(Workspace *ws, int docId, quint64 uid) : ModelObject(ws), m_doc(docId), m_uid(uid) {}
    std::pair<Document *, ControlNode *> target() const
    {
        WorkspaceData &d = data();
        Document &doc = d.liveDocument(d.generation, m_doc);
        return {&doc, &d.liveNode(doc, m_uid)};
    }
    int m_doc;
    quint64 m_uid;
};

class PropertyObject : public NodeObject
{
public:
    PropertyObject(Workspace *ws, int docId, quint64 uid, const QString &name)
        : NodeObject(ws, docId, uid), m_name(name)
    {
        const auto get = [this](const Values &args) {
            expectArgs(args, 0, 0);
            auto [doc, node] = target();
            return data().readProperty(*doc, *node, m_name);
        };
        const auto set = [this](const Values &args, const Value &v) {
            expectArgs(args, 0, 0);
            auto [doc, node] = target();
            data().writeProperty(*doc, *node, m_name, v, FromAddIn);
        };
        property(QStringLiteral("Value"), get, set);
        property(QString(), get, set); // the default member
        property(QStringLiteral("Name"), [this](const Values &) {
            target();
            return Value(m_name);
        });
    }

private:
    QString m_name;
};

ObjectPtr propertyObject(Workspace *ws, WorkspaceData &d, int docId, quint64 uid,
                         const ControlNode &node, const Value &which)
{
    QString name;
    if (which.isNumeric() && which.type() != Value::Type::String) {
        const auto rules = d.propertyRules(node);
        const qint32 i = which.toLong();
        if (i < 1 || i > rules.size())
            throw Error(9, QStringLiteral("Subscript out of range"));
        name = rules[i - 1].name;
    } else {
        PropertyRule scratch;
        const PropertyRule *rule = d.findRule(node, which.toString(), &scratch);
        if (!rule)
            throw Error::propertyNotFound();
        name = rule->name;
    }
    return std::make_shared<PropertyObject>(ws, docId, uid, name);
}

class PropertiesObject : public NodeObject
{
public:
    PropertiesObject(Workspace *ws, int docId, quint64 uid) : NodeObject(ws, docId, uid)
    {
        const auto item = [this](const Values &args) {
            expectArgs(args, 1, 1);
            auto [doc, node] = target();
            return Value(propertyObject(workspace(), data(), m_doc, m_uid, *node, args[0]));
        };
        const auto setItem = [this](const Values &args, const Value &v) {
            expectArgs(args, 1, 1);
            auto [doc, node] = target();
            data().writeProperty(*doc, *node, args[0].toString(), v, FromAddIn);
        };
        property(QStringLiteral("Item"), item, setItem);
        property(QString(), item, setItem);
        property(QStringLiteral("Count"), [this](const Values &) {
            auto [doc, node] = target();
            return Value(qint32(data().propertyRules(*node).size()));
        });
        enumerator([this] {
            auto [doc, node] = target();
            Values out;
            for (const PropertyRule &s : data().propertyRules(*node))
                out << Value(std::make_shared<PropertyObject>(workspace(), m_doc, m_uid, s.name));
            return out;
        });
    }
};

ObjectPtr templateObject(Workspace *ws, int docId, quint64 uid);

class ControlsObject : public ModelObject
{
public:
    ControlsObject(Workspace *ws, int docId, bool selected)
        : ModelObject(ws), m_doc(docId), m_selected(selected)
    {
        property(QStringLiteral("Count"),
                 [this](const Values &) { return Value(qint32(members().size())); });
        const auto item = [this](const Values &args) {
            expectArgs(args, 1, 1);
            const QList<quint64> all = members();
            if (args[0].type() == Value::Type::String) {
                WorkspaceData &d = data();
                Document &doc = d.liveDocument(d.generation, m_doc);
                for (quint64 uid : all) {
                    const ControlNode *n = d.node(doc, uid);
                    if (n && d.keyOf(*n).compare(args[0].toString(), Qt::CaseInsensitive) == 0)
                        return Value(templateObject(workspace(), m_doc, uid));
                }
                throw Error(9, QStringLiteral("Subscript out of range"));
            }
            const qint32 i = args[0].toLong();
            if (i < 0 || i >= all.size())
                throw Error(9, QStringLiteral("Subscript out of range"));
            return Value(templateObject(workspace(), m_doc, all[i]));
        };
        method(QStringLiteral("Item"), item);
        method(QString(), item);
        enumerator([this] {
            Values out;
            for (quint64 uid : members())
                out << Value(templateObject(workspace(), m_doc, uid));
            return out;
        });
        if (!selected) {
            method(QStringLiteral("Add"), [this](const Values &args) {
                expectArgs(args, 1, 1);
                WorkspaceData &d = data();
                Document &doc = d.liveDocument(d.generation, m_doc);
                ControlNode &n =
                    d.addControl(doc, *doc.file->root(), args[0].toString(), FromAddIn);
                return Value(templateObject(workspace(), m_doc, d.uidOf(doc, &n)));
            });
        }
    }

private:
    QList<quint64> members() const
    {
        WorkspaceData &d = data();
        Document &doc = d.liveDocument(d.generation, m_doc);
        if (m_selected)
            return doc.selection;
        QList<quint64> out;
        for (const ControlNode *n : doc.file->controls())
            out << d.uidOf(doc, n);
        return out;
    }
    int m_doc;
    bool m_selected;
};

class TemplateObject : public NodeObject
{
public:
    TemplateObject(Workspace *ws, int docId, quint64 uid) : NodeObject(ws, docId, uid)
    {
        property(
            QStringLiteral("Properties"),
            [this](const Values &args) {
                expectArgs(args, 0, 1);
                auto [doc, node] = target();
                if (args.isEmpty())
                    return Value(std::make_shared<PropertiesObject>(workspace(), m_doc, m_uid));
                return Value(propertyObject(workspace(), data(), m_doc, m_uid, *node, args[0]));
            },
            [this](const Values &args, const Value &v) {
                expectArgs(args, 1, 1);
                auto [doc, node] = target();
                data().writeProperty(*doc, *node, args[0].toString(), v, FromAddIn);
            });
        property(QStringLiteral("ClassName"), [this](const Values &) {
            return Value(
                PropertyTable::instance().canonicalClassName(target().second->shortClassName()));
        });
        property(QStringLiteral("Name"), [this](const Values &) {
            auto [doc, node] = target();
            return data().readProperty(*doc, *node, QStringLiteral("Name"));
        });
        property(QStringLiteral("SelectedControlTemplates"), [this](const Values &) {
            formTarget();
            return Value(std::make_shared<ControlsObject>(workspace(), m_doc, true));
        });
        property(QStringLiteral("ControlTemplates"), [this](const Values &) {
            formTarget();
            return Value(std::make_shared<ControlsObject>(workspace(), m_doc, false));
        });
        method(QStringLiteral("AddMenuTemplate"), [this](const Values &args) {
            expectArgs(args, 1, 2);
            Document *doc = formTarget();
            WorkspaceData &d = data();
            ControlNode *parent = nullptr;
            if (args.size() == 2 && args[1].isObject() && args[1].toObject()) {
                auto p = std::dynamic_pointer_cast<TemplateObject>(args[1].toObject());
                if (!p || p->m_doc != m_doc)
                    throw Error::invalidCall();
                parent = p->target().second;
            } else if (args.size() == 2 && !args[1].isObject() && !args[1].isEmpty()) {
                throw Error::typeMismatch();
            }
            ControlNode &n = d.addMenu(*doc, args[0].toString(), parent, FromAddIn);
            return Value(templateObject(workspace(), m_doc, d.uidOf(*doc, &n)));
        });
        method(QStringLiteral("InsertFile"), [this](const Values &args) {
            expectArgs(args, 1, 1);
            data().insertFile(*formTarget(), args[0].toString(), FromAddIn);
            return Value();
        });
    }

private:
    Document *formTarget() const
    {
        auto [doc, node] = target();
        if (node->parent() || !hasDesigner(doc->kind))
            throw Error::memberNotFound();
        return doc;
    }
};

ObjectPtr templateObject(Workspace *ws, int docId, quint64 uid)
{
    return std::make_shared<TemplateObject>(ws, docId, uid);
}

class ProjectObject : public ModelObject
{
public:
    explicit ProjectObject(Workspace *ws) : ModelObject(ws)
    {
        property(QStringLiteral("ActiveForm"), [this](const Values &) {
            WorkspaceData &d = data();
            Document *doc = d.document(d.activeForm);
            if (!doc)
                return Value::nothing();
            return Value(templateObject(workspace(), doc->id, d.uidOf(*doc, doc->file->root())));
        });
        method(QStringLiteral("AddFormTemplate"), [this](const Values &args) {
            expectArgs(args, 0, 0);
            WorkspaceData &d = data();
            Document &doc = d.addFormTemplate(FromAddIn);
            return Value(templateObject(workspace(), doc.id, d.uidOf(doc, doc.file->root())));
        });
        method(QStringLiteral("AddFile"), [this](const Values &args) {
            expectArgs(args, 1, 1);
            WorkspaceData &d = data();
            const int id = d.addFile(args[0].toString(), FromAddIn);
            if (const Document *doc = d.document(id))
                return Value(doc->name());
            return Value(d.carriedFile(id)->name);
        });
        property(QStringLiteral("Name"),
                 [this](const Values &) { return Value(data().project->name()); });
        property(QStringLiteral("FileName"),
                 [this](const Values &) { return Value(data().project->fileName()); });
    }
};

class ApplicationObject : public automation::DispatchObject
{
public:
    ApplicationObject(Workspace *ws, const QString &owner)
        : m_ws(ws), m_menu(workspaceData(*ws).menu.menuObject(owner))
    {
        property(QStringLiteral("AddInMenu"), [this](const Values &) {
            live();
            return Value(m_menu);
        });
        property(QStringLiteral("ActiveProject"), [this](const Values &) {
            Workspace *ws = live();
            if (!workspaceData(*ws).project)
                return Value::nothing();
            workspaceData(*ws).touchAutomation();
            return Value(std::make_shared<ProjectObject>(ws));
        });
    }

private:
    Workspace *live() const
    {
        if (!m_ws)
            throw Error::notSet();
        return m_ws;
    }
    QPointer<Workspace> m_ws;
    ObjectPtr m_menu;
};

} // namespace

ObjectPtr makeApplicationObject(Workspace *workspace, const QString &owner)
{
    return std::make_shared<ApplicationObject>(workspace, owner);
}

ObjectPtr makeTemplateObject(Workspace *workspace, int documentId, const QString &key)
{
    WorkspaceData &d = workspaceData(*workspace);
    Document *doc = d.document(documentId);
    ControlNode *n = doc ? d.nodeForKey(*doc, key) : nullptr;
    if (!n)
        throw Error::notSet();
    return templateObject(workspace, documentId, d.uidOf(*doc, n));
}

} // namespace vbhost
