#pragma once

#include "ide/code/codelists.h"
#include "ide/code/codesearch.h"
#include "ide/code/procedures.h"

#include <QTimer>
#include <QWidget>

namespace vbhost {

class CodeEditor;
class CodeListBox;
class CodeSync;
class Workspace;

// The code window of a form, module, class or the like: the Object and Proc lists above the
// code. Choosing an object goes to its code, or adds the procedure of its default event; choosing
// an event goes to its procedure, or adds it and puts the cursor inside; moving the cursor shows
// where it is in both lists. Attribute lines are never shown and never lost (CodeSync).
class CodeWindow : public QWidget
{
    Q_OBJECT

public:
    CodeWindow(Workspace &workspace, int documentId, QWidget *parent = nullptr);
    // Hands over what was typed since the last pause: closing the window loses nothing.
    ~CodeWindow() override;

    int documentId() const { return m_documentId; }
    CodeEditor *editor() const { return m_editor; }
    CodeListBox *objectList() const { return m_objectList; }
    CodeListBox *procList() const { return m_procList; }
    // The code as shown.
    QString toPlainText() const;

    // Hands pending edits to the workspace.
    void commit();
    // As choosing the entry in the Object or Proc list; false when there is no such entry.
    bool chooseObject(const QString &name);
    bool chooseProc(const QString &text);
    // The procedure at the cursor, or the declarations when it is in them.
    SearchRange currentProcedureRange() const;
    const QList<Procedure> &procedures();

signals:
    // 1-based, for the status bar.
    void cursorMoved(int line, int column);

private:
    void rebuildObjects();
    void showProcEntries(int object);
    void updatePlace();
    void objectChosen(int index);
    void procChosen(int index);
    void goToProcedure(int index);
    void addEventProcedure(int object, const EventInfo &event);

    Workspace &m_workspace;
    int m_documentId;
    CodeEditor *m_editor;
    CodeListBox *m_objectList;
    CodeListBox *m_procList;
    CodeSync *m_sync;
    QList<CodeObject> m_objects;
    QList<ProcEntry> m_procEntries;
    int m_shownObject = -1;
    QList<Procedure> m_procedures;
    bool m_stale = true; // m_procedures no longer match the text
    QTimer m_update;
};

} // namespace vbhost
