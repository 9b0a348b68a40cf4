#pragma once

#include "ide/files/companionfile.h"
#include "ide/files/memberkind.h"
#include "ide/model/addinmenu.h"
#include "platform/automation/object.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

namespace vbhost {

using DocumentKind = MemberKind;

// One file of the open project, as the project explorer lists it.
struct DocumentInfo
{
    int id = -1; // stable for the life of the workspace, never reused
    DocumentKind kind = DocumentKind::Form;
    // The form's Name, the module's or class's VB_Name; a designer file's VB_Name, else the file
    // name without its suffix; the resource file's and a related document's file name.
    QString name;
    QString path;       // absolute; for a form added since the last save, where save will write it
    bool isNew = false; // not on disk yet
    bool modified = false; // changed since it was read or written, or not written yet
    bool created = false;  // made here (a new form, module or class): no file anywhere yet
};

// A member the project names whose file is not there.
struct MissingFile
{
    DocumentKind kind = DocumentKind::Form;
    QString name;    // the module's or class's name as the project gives it; empty for other kinds
    QString path;    // as the project writes it
    int line = 0;    // 1-based line of the project file
    QString message; // "PROJECT.vbp(LINE): ..."
};

// One control or menu of a form, in file order: a container comes before what it holds.
struct ControlInfo
{
    QString key;    // "Command1", or "Option1(0)" for an element of a control array
    QString name;   // "Option1"
    int index = -1; // control array index; -1 outside an array
    QString
        className; // "CommandButton", "Menu", "Timer"; a custom control as "ComDlg.CommonDialog"
    QString parentKey; // the container or the parent menu; empty for the form itself
    int depth = 0;     // 0 directly on the form, 1 inside a frame or a top-level menu, ...
    bool isMenu = false;
    // Twips, relative to the container. A menu has none; a control without them reads 0.
    double left = 0, top = 0, width = 0, height = 0;
    QString caption; // Caption, or Text where the class has no caption; empty when neither
};

// One row of the property list.
struct PropertyInfo
{
    QString name;            // as the class spells it ("BorderStyle")
    automation::Value value; // typed: Boolean, Integer, Long, Double or String
    bool stored = false;     // written in the file (false: the class default)
};

// Why something failed on open or save: the file and, where known, the 1-based line (else 0).
class WorkspaceError : public std::runtime_error
{
public:
    WorkspaceError(const QString &fileName, int line, const QString &message);
    QString fileName() const { return m_fileName; }
    int line() const { return m_line; }
    QString message() const { return m_message; }
    QString text() const; // "FILE(LINE): MESSAGE" or "FILE: MESSAGE"

private:
    QString m_fileName;
    int m_line;
    QString m_message;
};

class WorkspaceData;
class FormFile;

// The project open in vbhost. The designer reads and edits it here; add-ins reach the same
// state through application(). Every change, whoever makes it, goes through the same
// validation (property names without regard to case, 380 for a refused value, 422 for an
// unknown property) and is announced through changed(), so views redraw at once.
//
// Undo: a change opens a step that records the state of everything the step touches. A step of
// the designer's closes when the event loop next goes idle, so one gesture is one step. A step of
// an add-in stays open while its calls keep coming (an add-in in another process lets the loop
// go idle between its calls) and closes once it has been quiet for a moment, when the designer
// changes something, or when an Add-Ins menu item is chosen; so one add-in action is one step.
// undo() restores the state before the last step whole, files added by it leave the project.
// Objects handed to add-ins keep addressing the same form or control through renames and undo;
// calls on one that no longer exists raise 91.
//
// Controls are addressed by form id and control key (ControlInfo::key); the form itself by an
// empty key. Document ids stay valid until the document leaves the project.
class Workspace : public QObject
{
    Q_OBJECT

public:
    enum class Change {
        Documents,  // the list of members, or a name of one
        Controls,   // controls or menus added, removed, renamed, moved or resized
        Properties, // any other property of a form or control
        Code,       // the code section of a document
        Project     // opened, closed or saved
    };
    Q_ENUM(Change)

    explicit Workspace(QObject *parent = nullptr);
    ~Workspace() override;

    // --- Project -------------------------------------------------------------------------
    // Opens a .vbp and every file it lists; the old project is closed first only on success.
    // Throws WorkspaceError (file and line) for a missing project or a malformed file. A member
    // whose file is missing does not stop the rest: it is listed by missingFiles().
    // codePage is the Windows code page the files are written in (1252, 932, 936, 949, 950,
    // 1250-1258); 0 takes 1252 unless the members' files are found only under another one.
    void open(const QString &vbpPath, int codePage = 0);
    // Closes the project and starts a standard one, Project1 with an empty Form1, as the
    // environment starts. It has no file until save() is told where (SaveTargets).
    void newProject();
    bool isNewProject() const;
    int codePage() const; // of the open project
    QList<MissingFile> missingFiles() const;
    void close();
    bool hasProject() const;
    QString projectPath() const;
    QString projectName() const;
    // Where save() writes what has no file yet: the project file of a new project, and members
    // made here (by document id). Members not named go beside the project as NAME.frm and the
    // like.
    struct SaveTargets
    {
        QString projectPath;
        QHash<int, QString> files;
    };
    // Writes every changed file (new members where targets say, else beside the project; files
    // taken in from elsewhere with their companions) and the .vbp.
    // Throws WorkspaceError; files not yet written keep their unsaved state.
    void save(const SaveTargets &targets = {});
    // Writes the project file and a copy of every file it names, with their binary companions
    // (.frx, .ctx, .pgx, .dox, .dca, .dsx), into the folder of vbpPath: members under the
    // project's folder keep their places there, the others go beside the new project file.
    // Unedited files are copied byte for byte. Every source is read before anything is written,
    // and the project file is written last: when a file cannot be read or written, the
    // WorkspaceError names it, no project file is written at the target, the files this call
    // created there are removed again, and the open project stays as it was.
    void saveAs(const QString &vbpPath);
    bool isModified() const;
    // The project's folder or file cannot be written: save would fail.
    bool isReadOnly() const;

    // Adds a file of any member kind (by its suffix: .frm, .bas, .cls, .ctl, .pag, .dob, .dsr,
    // .res; any other file as a related document); one from outside the project's folder joins
    // as a copy that save writes there. Returns its id. Throws automation::Error (53, 321, 727
    // and the like).
    int addFile(const QString &path);
    // Adds a new empty form, module or class named Form1, Module1, Class1 (the lowest free
    // number); returns its id. A new form becomes the active one.
    int addNewMember(DocumentKind kind);
    // A member's Name: a form's through its Name property, a module's or class's in its file
    // and its project line. Throws automation::Error (380, a name already in use).
    void renameMember(int documentId, const QString &name);
    // Takes the member out of the project; its file stays on disk.
    void removeFile(int documentId);
    // Writes one member (beside the project when it was never written). Throws WorkspaceError.
    void saveDocument(int documentId);

    // --- Explorer ------------------------------------------------------------------------
    QList<DocumentInfo> documents() const; // project order
    DocumentInfo document(int id) const;   // id -1 when there is none

    // --- Active form and selection -------------------------------------------------------
    int activeForm() const; // -1: no form designer is active
    void setActiveForm(int formId);
    // Keys of the active form's selected controls, in the order they were selected.
    QStringList selection() const;
    // Unknown keys are dropped; the controls kept are those in the container of the last key.
    void setSelection(const QStringList &keys);

    // --- Form contents -------------------------------------------------------------------
    QList<ControlInfo> controls(int formId) const;
    QList<PropertyInfo> properties(int formId, const QString &key) const; // the class's order
    // Throws automation::Error 422 for an unknown property.
    automation::Value property(int formId, const QString &key, const QString &name) const;
    // Throws automation::Error (380, 422, a name already in use).
    void setProperty(int formId, const QString &key, const QString &name,
                     const automation::Value &value);
    // Moves and resizes in one change (twips, relative to the container).
    void setGeometry(int formId, const QString &key, double left, double top, double width,
                     double height);
    // Adds a control of the class with the next free name (Command1, Command2, ...) inside the
    // container (empty: the form), written as the designer writes a new one; returns its key.
    // A line runs from (left, top) to (left + width, top + height); a class drawn as a fixed
    // icon takes only the place.
    QString addControl(int formId, const QString &className, const QString &containerKey,
                       double left, double top, double width, double height);
    void removeControls(int formId, const QStringList &keys); // with what they contain
    // The file of a form-shaped member as it stands now, for drawing it; null for any other
    // member. Valid until the next change.
    const FormFile *formFile(int formId) const;
    // Where the member's binary companions are read from now: beside the file it was taken in
    // from until it is first saved, else beside its path; empty for one never written. Records
    // pasted since the last save are read from heldCompanion().
    QString sourcePath(int documentId) const;
    // The member's binary companion when it is held in memory (records were pasted into it),
    // with what save will write; nothing when it is read from its file.
    std::optional<HeldCompanionBytes> heldCompanion(int documentId) const;

    // The controls' blocks (with the controls they contain) as a form file writes them at its
    // first level; no event code. Empty when none of the keys is a control.
    QString copyControls(int formId, const QStringList &keys) const;
    // Controls copied with the companion records their properties name (pictures, lists, long
    // texts), so that they can be pasted into another document, in this vbhost or another.
    struct CopiedControls
    {
        QString text; // as copyControls() gives it
        QList<CompanionRecord> records;
        // Pasted into the document they were copied from: a record that could not be carried
        // keeps its reference, as it names the same record there.
        bool sameDocument = false;
    };
    CopiedControls copyControlsWithRecords(int formId, const QStringList &keys) const;
    enum class NameClash { NewName, ControlArray };
    // Asked about a pasted control whose name a control of the same class already has.
    using ClashQuestion = std::function<NameClash(const QString &name)>;
    // Adds copies of the blocks of copyControls() text into the container, moved by dx, dy
    // twips (from the container's top-left corner when atCorner is set, else from where they
    // were), with every property kept but TabIndex, which continues the form's. A name in use
    // by a control array joins the array; in use by one control of the same class, ask
    // decides (every question comes before any change); otherwise the class's next free name
    // is taken. The copies become the selection; returns their keys. Throws 5 for text that
    // is not such blocks.
    QStringList pasteControls(int formId, const QString &containerKey, const QString &text,
                              bool atCorner, double dx, double dy, const ClashQuestion &ask);
    // The same with the records the text's properties name. A reference keeps its text where
    // the document's own companion holds the same record at that offset; any other record is
    // appended to the document's companion (made beside its file when it has none) and the
    // reference names it there, as one step of undo with the controls. A reference whose record
    // is not carried or could not be read refuses the whole paste (unless it is pasted into the
    // same document), before anything changes: 321 with a description that names the control,
    // the property and why.
    QStringList pasteControls(int formId, const QString &containerKey, const CopiedControls &copied,
                              bool atCorner, double dx, double dy, const ClashQuestion &ask);
    // Draws the controls over (or under) the others of their containers.
    void bringToFront(int formId, const QStringList &keys);
    void sendToBack(int formId, const QStringList &keys);

    // The code section (after the attribute lines), lines separated by "\n".
    QString code(int documentId) const;
    void setCode(int documentId, const QString &text);

    // --- Add-ins -------------------------------------------------------------------------
    // The application object handed to an add-in's ConnectAddIn. Items it adds to the Add-Ins
    // menu carry owner.
    automation::ObjectPtr application(const QString &owner = QString());
    QList<AddInMenuItemInfo> addInMenuItems() const;
    // Calls AfterClick on every handler connected to the item, without waiting for any.
    void chooseMenuItem(int itemId);
    // Takes an add-in's items off the menu (it went away without removing them).
    void removeMenuItemsOf(const QString &owner);

    // --- Undo ----------------------------------------------------------------------------
    bool canUndo() const;
    void undo(); // closes an open step first
    // Does again what the last undo took back; any new change ends what can be redone.
    bool canRedo() const;
    void redo();
    // Ends the open step now, so that the next change starts a new one.
    void closeUndoStep();

signals:
    void changed(vbhost::Workspace::Change what, int documentId); // documentId -1: several
    void modifiedChanged(bool modified);
    void activeFormChanged(int formId);
    void selectionChanged();
    void addInMenuChanged();
    // An AfterClick handler failed (or its add-in went away); never thrown into the caller.
    void handlerError(const QString &owner, int number, const QString &description);
    void undoChanged(bool canUndo);
    void redoChanged(bool canRedo);

private:
    // The model's private state, reached by its automation objects only.
    friend WorkspaceData &workspaceData(Workspace &ws);
    std::unique_ptr<WorkspaceData> d;
};

} // namespace vbhost
