#pragma once

#include "ide/files/memberkind.h"

#include <QMainWindow>
#include <memory>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QAction;
class QLabel;
class QPlainTextEdit;

namespace ui {
class Services;
}

namespace vbhost {

class AddInManager;
class CodeFind;
class CodeWindow;
class ControlCommands;
class FormDesigner;
class ProjectCommands;
class ProjectExplorer;
class PropertyList;
class Toolbox;
class Workspace;

// The environment's main window: project explorer and property list docked, form designers
// and code windows as MDI windows, the File, Edit and Add-Ins menus. Prompts and messages go
// through ui::Services so that tests can answer them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(ui::Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    Workspace &workspace() const { return *m_workspace; }
    AddInManager &addIns() const { return *m_addIns; }
    ProjectExplorer *explorer() const { return m_explorer; }
    PropertyList *propertyList() const { return m_properties; }
    QMdiArea *mdiArea() const { return m_mdi; }
    QMenu *addInsMenu() const { return m_addInsMenu; }
    ProjectCommands &projectCommands() const { return *m_project; }
    Toolbox *toolbox() const { return m_toolbox; }
    ControlCommands &controlCommands() const { return *m_controls; }

    // File > New Project: after asking about unsaved changes, a standard project with Form1.
    bool newProject();
    // Project > Add Form, Add Module, Add Class Module: the new member, shown.
    int addNewMember(MemberKind kind);

    // Opens a project after asking about unsaved changes; a file that cannot be read is named
    // with its line in a message and the open project stays. True when the project opened.
    // codePage: the Windows code page of the project's files, 0 to find it out.
    bool openProject(const QString &path, int codePage = 0);
    // True when saved; a failure is shown and the project stays modified.
    bool saveProject();
    // Asks to save unsaved changes: true when it is fine to go on (saved or discarded).
    bool maybeSave();

    // A member without a designer or code here (a designer file, the resource file, a related
    // document) opens nothing and says so; a related document opens in the desktop's program
    // for it.
    FormDesigner *openDesigner(int formId);
    CodeWindow *openCode(int documentId);
    // The code window in front, or null.
    CodeWindow *activeCodeWindow() const;
    CodeFind &codeFind() const { return *m_find; }
    FormDesigner *designer(int formId) const;

    // Runs the Add-In Manager dialog (modal).
    void showAddInManager();
    // Chooses an add-in's menu item: AfterClick goes to its handlers, or a message says the
    // add-in is no longer running.
    void chooseAddInItem(int itemId);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createEditMenu(QMenu *edit);
    void createToolbox();
    // The text editor the Edit menu works on: one with the focus, else the code window in front.
    QPlainTextEdit *activeTextEditor() const;
    void updateEditActions();
    void rebuildAddInsMenu();
    void updateTitle();
    void projectChanged();
    void subWindowActivated(QMdiSubWindow *window);
    void designerClosed(QMdiSubWindow *closed, int formId);
    void chooseOpenProject();
    void openCarried(int documentId);
    bool openWithoutAsking(const QString &path, int codePage = 0);
    void showMessage(const QString &text, int icon);
    // Code windows hand over what was typed.
    void commitCode();
    // Edit > Find, Find Next, Replace, Go To Line, and the cursor's place in the status bar.
    void createCodeCommands(QMenu *edit);
    void codeWindowActivated(QMdiSubWindow *window);
    QRect workspaceArea() const;

    ui::Services &m_services;
    std::unique_ptr<Workspace> m_workspace;
    std::unique_ptr<AddInManager> m_addIns;
    QMdiArea *m_mdi;
    ProjectExplorer *m_explorer;
    PropertyList *m_properties;
    ProjectCommands *m_project = nullptr;
    QMenu *m_addInsMenu = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_lockControls = nullptr;
    Toolbox *m_toolbox = nullptr;
    ControlCommands *m_controls = nullptr;
    QAction *m_save = nullptr;
    QLabel *m_status = nullptr;
    CodeFind *m_find = nullptr;
    QList<QAction *> m_codeActions;
    QLabel *m_codePlace = nullptr;
};

} // namespace vbhost
