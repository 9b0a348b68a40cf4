#pragma once

#include "ide/model/workspace.h"

#include <QObject>
#include <optional>

class QAction;
class QWidget;

namespace ui {
class Services;
}

namespace vbhost {

class ProjectExplorer;
class Workspace;

// File > Save Project As..., Project > Add File... and Project > Remove File. Prompts and
// messages go through ui::Services; the main window puts the actions in its menus.
class ProjectCommands : public QObject
{
    Q_OBJECT

public:
    ProjectCommands(Workspace &workspace, ProjectExplorer &explorer, ui::Services &services,
                    QWidget *window);

    QAction *saveAsAction() const { return m_saveAs; }
    QAction *addFileAction() const { return m_addFile; }
    QAction *removeFileAction() const { return m_removeFile; }

    // Asks for the new project file and saves there; true when saved.
    bool saveAs();
    // Asks where to save each member made here (named after it), then, for a new project, its
    // project file; nothing when one of the dialogs is cancelled.
    std::optional<Workspace::SaveTargets> askSaveTargets();
    // Asks for a .frm, .bas or .cls and adds it; returns its id, or -1.
    int addFile();
    // Takes the member selected in the explorer out of the project, asking to save it first
    // when it was modified; true when it left.
    bool removeFile();

signals:
    // Code windows hand over what was typed before anything is written.
    void aboutToWrite();
    void status(const QString &text);

private:
    void updateActions();
    void showError(const QString &text);

    Workspace &m_workspace;
    ProjectExplorer &m_explorer;
    ui::Services &m_services;
    QWidget *m_window;
    QAction *m_saveAs;
    QAction *m_addFile;
    QAction *m_removeFile;
};

} // namespace vbhost
