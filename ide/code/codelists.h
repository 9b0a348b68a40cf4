#pragma once

#include "ide/code/eventtable.h"
#include "ide/code/procedures.h"
#include "ide/model/workspace.h"

#include <QList>
#include <QString>

namespace vbhost {

inline const QString GeneralObject = QStringLiteral("(General)");
inline const QString DeclarationsEntry = QStringLiteral("(Declarations)");

// One entry of the Object list.
struct CodeObject
{
    QString name;      // "(General)", "Form", "Command1"
    QString className; // empty for (General); "Form", "CommandButton", "ComDlg.CommonDialog"
    bool isArray = false;

    bool operator==(const CodeObject &) const = default;
};

// The Object list: (General), the document itself (documentObject: "Form", "UserControl",
// "Class", ...; empty for a module), then each control by name, a control array once, in
// alphabetical order.
QList<CodeObject> codeObjects(const QString &documentObject, const QList<ControlInfo> &controls);

// The name the document itself goes by in its code: "Form", "MDIForm", "UserControl",
// "PropertyPage", "UserDocument", "Class"; empty for a module.
QString documentObjectName(const Workspace &workspace, int documentId);

// One entry of the Proc list.
struct ProcEntry
{
    QString text;       // "Click", "(Declarations)", "Value [PropertyGet]"
    int procedure = -1; // index in the procedures; -1 when there is no code yet
    EventInfo event;    // for an event of an object
};

// The Proc list of the object at `object` in `objects`: for (General), (Declarations) and the
// module's own procedures; for an object, the events of its class and any other of its event
// procedures, in alphabetical order.
QList<ProcEntry> procEntries(const QList<CodeObject> &objects, int object,
                             const QList<Procedure> &procedures);

// The object an event procedure belongs to (index in objects) and its event; object 0
// ((General)) for any other procedure.
struct ProcOwner
{
    int object = 0;
    QString event;
};
ProcOwner ownerOf(const Procedure &procedure, const QList<CodeObject> &objects);

// The entries of both lists for a line of code.
struct CodePlace
{
    int object = 0;
    QString proc;

    bool operator==(const CodePlace &) const = default;
};
CodePlace placeOf(int line, const QList<CodeObject> &objects, const QList<Procedure> &procedures);

// Where a new procedure goes: before the first procedure whose name sorts after its own, else
// after the last line of code, a blank line apart from its neighbours. The lines go before line
// `line` (at the end when it is the line count); the cursor goes to cursorLine afterwards.
struct ProcedureInsertion
{
    int line = 0;
    QStringList lines;
    int cursorLine = 0;
};
ProcedureInsertion procedureInsertion(const QStringList &code, const QList<Procedure> &procedures,
                                      const QString &name, const QString &text);

} // namespace vbhost
