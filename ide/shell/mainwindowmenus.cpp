#include "mainwindow.h"

#include "ide/designer/toolbox.h"
#include "ide/model/workspace.h"
#include "ide/shell/addinmanager.h"
#include "ide/shell/addinmanagerdialog.h"
#include "ide/shell/projectcommands.h"
#include "ide/shell/projectexplorer.h"
#include "ide/shell/propertylist.h"
#include "platform/ui/services.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

// The main window's menus, and the Add-Ins menu that follows the add-ins connected.

namespace vbhost {

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setAccessibleName(tr("Menu bar"));

    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->setAccessibleName(tr("File"));
    QAction *newProject = file->addAction(tr("&New Project"), this, [this] { this->newProject(); });
    newProject->setObjectName(QStringLiteral("newProject"));
    newProject->setShortcut(QKeySequence::New);
    QAction *open = file->addAction(tr("&Open Project..."), this, &MainWindow::chooseOpenProject);
    open->setObjectName(QStringLiteral("openProject"));
    open->setShortcut(QKeySequence::Open);
    m_save = file->addAction(tr("&Save Project"), this, [this] { saveProject(); });
    m_save->setObjectName(QStringLiteral("saveProject"));
    m_save->setShortcut(QKeySequence::Save);
    file->addAction(m_project->saveAsAction());
    QAction *closeProject = file->addAction(tr("&Close Project"), this, [this] {
        if (!maybeSave())
            return;
        // Add-ins belong to the environment: they stay connected with no project open.
        m_mdi->closeAllSubWindows();
        m_workspace->close();
        m_status->setText(tr("Project closed"));
    });
    closeProject->setObjectName(QStringLiteral("closeProject"));
    file->addSeparator();
    QAction *exit = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("exit"));
    exit->setShortcut(QKeySequence(tr("Alt+Q")));

    QMenu *edit = bar->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    edit->setAccessibleName(tr("Edit"));
    createEditMenu(edit);
    createCodeCommands(edit);

    QMenu *view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    view->setAccessibleName(tr("View"));
    QAction *project = view->addAction(
        tr("&Project"), this, [this] { m_explorer->tree()->setFocus(Qt::ShortcutFocusReason); });
    project->setObjectName(QStringLiteral("viewProject"));
    project->setShortcut(QKeySequence(tr("Ctrl+R")));
    QAction *properties = view->addAction(tr("P&roperties"), this, [this] {
        m_properties->table()->setFocus(Qt::ShortcutFocusReason);
    });
    properties->setObjectName(QStringLiteral("viewProperties"));
    properties->setShortcut(QKeySequence(tr("F4")));
    QAction *code = view->addAction(tr("&Code"), this, [this] {
        if (m_explorer->currentDocument() >= 0)
            openCode(m_explorer->currentDocument());
    });
    code->setObjectName(QStringLiteral("viewCode"));
    code->setShortcut(QKeySequence(tr("F7")));
    QAction *object = view->addAction(tr("&Object"), this, [this] {
        const int id = m_explorer->currentDocument();
        if (id >= 0 && hasDesigner(m_workspace->document(id).kind))
            openDesigner(id);
    });
    object->setObjectName(QStringLiteral("viewObject"));
    object->setShortcut(QKeySequence(tr("Shift+F7")));
    QAction *toolbox = view->addAction(tr("Toolbo&x"), this, [this] {
        m_toolbox->parentWidget()->show();
        m_toolbox->button(m_toolbox->currentTool())->setFocus(Qt::ShortcutFocusReason);
    });
    toolbox->setObjectName(QStringLiteral("viewToolbox"));

    QMenu *projectMenu = bar->addMenu(tr("&Project"));
    projectMenu->setObjectName(QStringLiteral("projectMenu"));
    projectMenu->setAccessibleName(tr("Project"));
    const std::pair<const char *, MemberKind> members[] = {{"addForm", MemberKind::Form},
                                                           {"addModule", MemberKind::Module},
                                                           {"addClassModule", MemberKind::Class}};
    const QString captions[] = {tr("Add &Form"), tr("Add &Module"), tr("Add &Class Module")};
    for (int i = 0; i < 3; ++i) {
        const MemberKind kind = members[i].second;
        QAction *a =
            projectMenu->addAction(captions[i], this, [this, kind] { addNewMember(kind); });
        a->setObjectName(QLatin1String(members[i].first));
        connect(m_workspace.get(), &Workspace::changed, a,
                [this, a] { a->setEnabled(m_workspace->hasProject()); });
        a->setEnabled(m_workspace->hasProject());
    }
    projectMenu->addAction(m_project->addFileAction());
    projectMenu->addAction(m_project->removeFileAction());

    m_addInsMenu = bar->addMenu(tr("&Add-Ins"));
    m_addInsMenu->setObjectName(QStringLiteral("addInsMenu"));
    m_addInsMenu->setAccessibleName(tr("Add-Ins"));
}

void MainWindow::rebuildAddInsMenu()
{
    m_addInsMenu->clear();
    QAction *manager =
        m_addInsMenu->addAction(tr("Add-In &Manager..."), this, &MainWindow::showAddInManager);
    manager->setObjectName(QStringLiteral("addInManager"));
    const QList<AddInMenuItemInfo> items = m_workspace->addInMenuItems();
    if (!items.isEmpty())
        m_addInsMenu->addSeparator();
    for (const AddInMenuItemInfo &item : items) {
        // Captions are shown as given: an ampersand is no access key here.
        QString text = item.caption;
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *a = m_addInsMenu->addAction(text);
        a->setObjectName(QStringLiteral("addInItem%1").arg(item.id));
        a->setData(item.id);
        const int id = item.id;
        // Queued: the menu closes before the add-in is called or a message box shows.
        connect(
            a, &QAction::triggered, this, [this, id] { chooseAddInItem(id); },
            Qt::QueuedConnection);
    }
}

void MainWindow::chooseAddInItem(int itemId)
{
    for (const AddInMenuItemInfo &item : m_workspace->addInMenuItems()) {
        if (item.id != itemId)
            continue;
        if (!item.owner.isEmpty() && !m_addIns->isRunning(item.owner)) {
            showMessage(tr("The add-in %1 is no longer running.").arg(item.owner),
                        ui::mb::Exclamation);
            return;
        }
        m_workspace->chooseMenuItem(itemId);
        return;
    }
}

void MainWindow::showAddInManager()
{
    if (const QString problem = m_addIns->iniProblem(); !problem.isEmpty()) {
        showMessage(tr("The add-ins cannot be listed: %1.").arg(problem), ui::mb::Critical);
        return;
    }
    AddInManagerDialog dialog(*m_addIns, this);
    dialog.exec();
}

} // namespace vbhost
