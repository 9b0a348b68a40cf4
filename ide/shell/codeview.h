#pragma once

#include <QPlainTextEdit>
#include <QTimer>

namespace vbhost {

class Workspace;

// The code section of a form, module or class, editable. Edits reach the workspace shortly
// after typing pauses (and at once when the view loses focus or before a save); changes made
// elsewhere, by an add-in for instance, replace the text at once.
class CodeView : public QPlainTextEdit
{
    Q_OBJECT

public:
    CodeView(Workspace &workspace, int documentId, QWidget *parent = nullptr);
    // Hands over what was typed since the last pause: closing the window loses nothing.
    ~CodeView() override;

    int documentId() const { return m_documentId; }
    // Hands pending edits to the workspace.
    void commit();
    void reload();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    Workspace &m_workspace;
    int m_documentId;
    QTimer m_commitTimer;
    bool m_loading = false;
};

} // namespace vbhost
