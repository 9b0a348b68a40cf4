#pragma once

#include "ide/code/hiddenattributes.h"

#include <QObject>
#include <QTimer>

class QPlainTextEdit;

namespace vbhost {

class Workspace;

// Keeps a code window's text and the module's code in the workspace the same. The editor shows
// the code without its attribute lines; what is typed reaches the workspace, with the attribute
// lines merged back in their places, once typing pauses or the editor loses the focus (to a menu,
// another window, an add-in's window), and at once on commit(). Changes made
// elsewhere (an add-in, an undo) show at once, as one edit the editor can undo; typing not
// handed over yet is kept when it touches other lines than theirs.
class CodeSync : public QObject
{
    Q_OBJECT

public:
    static constexpr int PauseMs = 800;

    CodeSync(Workspace &workspace, int documentId, QPlainTextEdit *editor);

    void commit();
    void reload();
    bool hasPendingEdits() const { return m_dirty; }
    // The editor's text as it is, lines separated by "\n".
    static QString editorText(const QPlainTextEdit *editor);

signals:
    // The editor's text was changed to follow the workspace.
    void reloaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void edited();
    // Makes the editor's text `text` with the least change, as one undo step.
    void showText(const QString &text);

    Workspace &m_workspace;
    int m_documentId;
    QPlainTextEdit *m_editor;
    HiddenAttributes m_attributes;
    QString m_base; // the module's code as last read or written
    QTimer m_pause;
    bool m_dirty = false;
    bool m_loading = false;
};

} // namespace vbhost
