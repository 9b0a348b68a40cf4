#pragma once

#include "ide/files/companionfile.h"
#include "ide/files/formfile.h"
#include "ide/files/projectfile.h"
#include "ide/model/addinmenu.h"
#include "ide/model/workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

namespace vbhost {

struct PropertyRule;

// A form-shaped document's binary companion once records have been pasted into it (or compared
// with it): its whole contents as save writes them beside the document, under name. Records are
// only ever appended, so the offsets its references name stay valid.
struct HeldCompanion : HeldCompanionBytes
{
    bool held = false;  // else it is the file beside the document's source, if there is one
    bool dirty = false; // not yet written beside the document
};

// One form-shaped member, module or class of the open project. Controls carry ids of their own so
// that automation objects keep addressing the same control through renames and undo.
struct Document
{
    int id = -1;
    DocumentKind kind = DocumentKind::Form;
    std::unique_ptr<FormFile> file;
    QString path;       // absolute
    bool isNew = false; // never written
    bool dirty = false;
    // A file from outside the project's folder, taken in as a copy: save writes it at path.
    QString copyOf;
    QHash<quint64, ControlNode *> nodes;
    QHash<const ControlNode *, quint64> uids;
    QList<quint64> selection; // in the order the controls were selected
    HeldCompanion companion;

    QString name() const { return file->moduleName(); }
};

// A member the model does not read (a designer file, the resource file, a related document):
// carried byte for byte from where it lies.
struct CarriedFile
{
    int id = -1;
    DocumentKind kind = DocumentKind::RelatedDocument;
    QString name;
    QString path;   // absolute; for one taken in from elsewhere, where save will write it
    QString copyOf; // taken in from outside the project's folder: save copies it to path

    bool isNew() const { return !copyOf.isEmpty(); }
};

// Everything one undo step may change, as it was before the step.
struct UndoStep
{
    enum class Origin { Designer, Automation };
    Origin origin = Origin::Designer;
    QByteArray projectBytes;
    bool projectDirty = false;
    QList<int> documentOrder;
    int activeForm = -1;
    int saveCount = 0;
    struct DocumentState
    {
        DocumentKind kind;
        QByteArray bytes;
        QString fileName;
        QString path;
        bool isNew;
        bool dirty;
        QList<quint64> uidOrder; // root first, then FormFile::controls()
        QList<quint64> selection;
        QString copyOf;
        HeldCompanion companion;
    };
    QHash<int, DocumentState> documents;
    QList<CarriedFile> carried;
};

// The state behind Workspace and behind every automation object it hands out. Operations throw
// automation::Error; each mutating one records undo state first and announces itself after.
class WorkspaceData
{
public:
    using Origin = UndoStep::Origin;

    explicit WorkspaceData(Workspace *q);
    ~WorkspaceData();

    Workspace *q;
    AddInMenu menu;

    std::unique_ptr<ProjectFile> project;
    bool projectDirty = false;
    int generation = 0; // bumped on open and close: older automation objects go stale
    std::vector<std::unique_ptr<Document>> documents;
    QList<CarriedFile> carried;
    QList<ProjectMember> missing; // members whose files were not found
    int nextDocumentId = 1;
    quint64 nextUid = 1;
    int activeForm = -1;
    int saveCount = 0;
    bool lastModified = false;

    std::optional<UndoStep> openStep;
    QList<UndoStep> undoStack;
    QList<UndoStep> redoStack;
    bool projectIsNew = false; // never written: save needs a place for the project file
    QTimer stepTimer;

    // --- lookup (throw 91 for what no longer exists) ---
    Document *document(int id) const;
    const CarriedFile *carriedFile(int id) const;
    Document &liveDocument(int generation, int id) const;
    ControlNode *node(const Document &doc, quint64 uid) const;
    ControlNode &liveNode(const Document &doc, quint64 uid) const;
    quint64 uidOf(Document &doc, const ControlNode *node);
    ControlNode *nodeForKey(const Document &doc, const QString &key) const; // "" the form
    QString keyOf(const ControlNode &node) const;
    void indexDocument(Document &doc, const QList<quint64> &uidOrder = {});
    Document &formForDesigner(int formId) const; // throws 5 for anything but a form

    // --- changes ---
    void beginChange(Origin origin, Document *doc);
    void touchAutomation(); // an automation call: keeps an open add-in step open
    void announce(Workspace::Change what, int documentId);
    void markDirty(Document &doc, Workspace::Change what);
    void updateModified();
    bool isModified() const;
    void closeStep();
    void undo();
    void redo();

    // --- properties ---
    QList<PropertyRule> propertyRules(const ControlNode &node) const;
    const PropertyRule *findRule(const ControlNode &node, const QString &name,
                                 PropertyRule *scratch) const;
    automation::Value readProperty(const Document &doc, const ControlNode &node,
                                   const QString &name) const;
    void writeProperty(Document &doc, ControlNode &node, const QString &name,
                       const automation::Value &value, Origin origin);
    // A combo box whose height its font sets: assignments to Height are accepted and ignored.
    bool hasFixedHeight(const Document &doc, const ControlNode &node) const;
    void followPictureBoxScale(const Document &doc, ControlNode &node, const QString &changed);

    // --- operations ---
    void open(const QString &vbpPath, int codePage);
    void newProject();
    void close();
    void save(const Workspace::SaveTargets &targets = {});
    void saveAs(const QString &vbpPath);
    // Writes one member; one never written goes to target, else beside the project.
    void saveDocument(Document &doc, const QString &target = QString());
    Document &addFormTemplate(Origin origin);
    // A new empty module or class (Module1, Class1, ...).
    Document &addCodeMember(DocumentKind kind, Origin origin);
    void renameMember(int id, const QString &name, Origin origin);
    // The id of the member added: a document, or a carried file.
    int addFile(const QString &path, Origin origin);
    void removeFile(int id, Origin origin);
    ControlNode &addControl(Document &doc, ControlNode &container, const QString &className,
                            Origin origin);
    ControlNode &addMenu(Document &doc, const QString &name, ControlNode *parentMenu,
                         Origin origin);
    void insertFile(Document &doc, const QString &path, Origin origin);
    void removeControls(Document &doc, const QList<ControlNode *> &nodes, Origin origin);
    QList<ControlNode *> pasteControls(Document &doc, ControlNode &container,
                                       const Workspace::CopiedControls &copied, bool atCorner,
                                       double dx, double dy, const Workspace::ClashQuestion &ask,
                                       Origin origin);
    void restack(Document &doc, const QList<ControlNode *> &nodes, bool toFront, Origin origin);
    int nextTabIndex(const Document &doc) const;
    void setActiveForm(int formId);
    void setSelection(Document &doc, const QList<quint64> &uids);

    // --- binary companions (workspacecompanions.cpp) ---
    // The companion file beside where the document is read from now; empty when there is none.
    QString companionSource(const Document &doc) const;
    // Reads the companion into memory, named after the document's file; throws Error when it
    // exists but cannot be read.
    void holdCompanion(Document &doc);
    // The records the references of the text name, read from the document's companion.
    QList<CompanionRecord> companionRecords(const Document &doc, const QString &text) const;
    // The text with its references pointing into the document's own companion: a record it
    // holds already at that offset keeps its reference, any other is to be appended (*appended,
    // in order). Throws Error, before anything changes, for a reference whose record is not
    // carried or cannot be read, unless the controls come from this same document.
    QString placeCompanionRecords(Document &doc, const Workspace::CopiedControls &copied,
                                  QByteArray *appended);
    void appendToCompanion(Document &doc, const QByteArray &bytes); // inside a change
    // The companion's name beside a document written at target.
    QString companionNameAt(const Document &doc, const QString &target) const;
    // The document's bytes as written at target, with its references following the companion
    // to its name there; the companion to write with it (empty path: none). Holds the
    // companion first when it changes its name.
    struct WriteSet
    {
        QByteArray formBytes;
        bool renamed = false; // the references name the companion anew
        QString companionPath;
        QByteArray companionBytes;
        bool companionChanged = false; // differs from the file at companionPath
        bool companionFirst = true;    // it grows: written before the form file
    };
    WriteSet writeSet(Document &doc, const QString &target);
    // After the write set was written: the document names its companion as written there.
    void companionWritten(Document &doc, const QString &target, const WriteSet &set);

    QString projectFolder() const;
    // The path as the project's member line writes it for a file; empty when no line names it.
    QString memberLineFor(const QString &absolutePath) const;
    // Where save writes a document not written yet: a copy keeps its file name, a new one is
    // named after itself; an existing file is never replaced.
    QString newFileTarget(const Document &doc, const QDir &folder) const;
    QString newFileTarget(const CarriedFile &file, const QDir &folder) const;
    QString uniqueDocumentName(const QString &base) const;
    QString uniqueControlName(const Document &doc, const QString &base) const;
    bool documentNameInUse(const QString &name, const Document *except) const;

private:
    Document &addDocument(DocumentKind kind, const QFileInfo &fi, Origin origin);
    int addCarried(DocumentKind kind, const QFileInfo &fi, Origin origin);
    // The project folder's path for a file added from path; throws 727 when that is taken.
    QString placeInFolder(const QFileInfo &fi, bool outside) const;
    void rename(Document &doc, ControlNode &node, const QString &name);
    void setIndex(Document &doc, ControlNode &node, int index);
    void writeFormGeometry(ControlNode &node, const PropertyRule &rule, double value);
    automation::Value readFormGeometry(const ControlNode &node, const QString &name) const;
    std::unique_ptr<Document> restoreDocument(int id, const UndoStep::DocumentState &s);
    UndoStep::DocumentState snapshot(const Document &doc) const;
    UndoStep inverseOf(const UndoStep &step) const;
    // Takes the last step of from back, and puts what it replaced on to.
    void replay(QList<UndoStep> &from, QList<UndoStep> &to);
    bool applyStep(const UndoStep &step); // false when a state could not be read back
    Document &addNewDocument(DocumentKind kind, FormFile file, Origin origin);
};

// The workspace's state, for the model's own automation objects.
WorkspaceData &workspaceData(Workspace &ws);
// Writes a document's file and, with withCompanion, its companion, in the order set says.
// Throws WriteError.
void writeDocumentFiles(const QString &target, const WorkspaceData::WriteSet &set,
                        bool withCompanion);

// A number as the file stores it for a property of the node, or nothing.
std::optional<double> storedNumber(const ControlNode &node, const QString &name);

// The errors the model raises besides the fixed ones.
automation::Error nameInUseError(const QString &name);
automation::Error fileNotFoundError();

} // namespace vbhost
