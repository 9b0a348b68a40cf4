#pragma once

#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;

namespace vbhost {

class Workspace;

// The project's forms, modules and classes as a tree. Double click or Enter on a form opens
// its designer, on a module or class its code; "View Object" and "View Code" do the same for
// the current item.
class ProjectExplorer : public QWidget
{
    Q_OBJECT

public:
    explicit ProjectExplorer(Workspace &workspace, QWidget *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }
    void rebuild();
    int currentDocument() const; // -1 when no document is current

signals:
    void openDesigner(int documentId);
    void openCode(int documentId);
    void currentDocumentChanged(int documentId);

private:
    void activate(QTreeWidgetItem *item);

    Workspace &m_workspace;
    QTreeWidget *m_tree;
    QToolButton *m_viewObject;
    QToolButton *m_viewCode;
    bool m_rebuilding = false;
};

} // namespace vbhost
