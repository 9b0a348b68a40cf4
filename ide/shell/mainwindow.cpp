#include "mainwindow.h"

#include "ide/code/codewindow.h"
#include "ide/designer/formcanvas.h"
#include "ide/designer/formdesigner.h"
#include "ide/files/codepage.h"
#include "ide/model/workspace.h"
#include "ide/shell/addinmanager.h"
#include "ide/shell/addinmanagerdialog.h"
#include "ide/shell/missingnotice.h"
#include "ide/shell/projectcommands.h"
#include "ide/shell/projectexplorer.h"
#include "ide/shell/propertylist.h"
#include "ide/shell/windowplacement.h"
#include "platform/ui/services.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QUrl>

namespace vbhost {

namespace {
const char *kDocumentProperty = "vbhostDocument";
const char *kIsCodeProperty = "vbhostIsCode";
} // namespace

MainWindow::MainWindow(ui::Services &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_workspace(std::make_unique<Workspace>()),
      m_addIns(std::make_unique<AddInManager>(*m_workspace))
{
    setObjectName(QStringLiteral("vbhost"));

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("documents"));
    m_mdi->setAccessibleName(tr("Designers and code"));
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    setCentralWidget(m_mdi);

    m_explorer = new ProjectExplorer(*m_workspace, this);
    auto *explorerDock = new QDockWidget(tr("Project"), this);
    explorerDock->setObjectName(QStringLiteral("projectDock"));
    explorerDock->setAccessibleName(tr("Project"));
    explorerDock->setWidget(m_explorer);
    addDockWidget(Qt::RightDockWidgetArea, explorerDock);

    m_properties = new PropertyList(*m_workspace, this);
    auto *propertiesDock = new QDockWidget(tr("Properties"), this);
    propertiesDock->setObjectName(QStringLiteral("propertiesDock"));
    propertiesDock->setAccessibleName(tr("Properties"));
    propertiesDock->setWidget(m_properties);
    addDockWidget(Qt::RightDockWidgetArea, propertiesDock);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusText"));
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->addWidget(m_status, 1);

    m_project = new ProjectCommands(*m_workspace, *m_explorer, m_services, this);
    connect(m_project, &ProjectCommands::aboutToWrite, this, &MainWindow::commitCode);
    connect(m_project, &ProjectCommands::status, m_status, &QLabel::setText);
    createToolbox();
    createMenus();

    connect(m_explorer, &ProjectExplorer::openDesigner, this, &MainWindow::openDesigner);
    connect(m_explorer, &ProjectExplorer::openCode, this, &MainWindow::openCode);
    connect(m_explorer, &ProjectExplorer::currentDocumentChanged, m_properties,
            &PropertyList::showMember);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::subWindowActivated);
    connect(m_workspace.get(), &Workspace::modifiedChanged, this, &MainWindow::updateTitle);
    connect(m_workspace.get(), &Workspace::changed, this, [this](Workspace::Change what, int) {
        if (what == Workspace::Change::Project || what == Workspace::Change::Documents)
            projectChanged();
        updateTitle();
    });
    connect(m_workspace.get(), &Workspace::addInMenuChanged, this, &MainWindow::rebuildAddInsMenu);
    connect(m_workspace.get(), &Workspace::undoChanged, this, &MainWindow::updateEditActions);
    connect(m_workspace.get(), &Workspace::redoChanged, this, &MainWindow::updateEditActions);
    connect(m_workspace.get(), &Workspace::handlerError, this,
            [this](const QString &owner, int number, const QString &description) {
                // An add-in that went away while its item was chosen is expected; say so plainly.
                if (!owner.isEmpty() && !m_addIns->isRunning(owner)) {
                    showMessage(tr("The add-in %1 is no longer running.").arg(owner),
                                ui::mb::Exclamation);
                    return;
                }
                showMessage(tr("The add-in %1 reported error %2: %3")
                                .arg(owner.isEmpty() ? tr("(unknown)") : owner,
                                     QString::number(number), description),
                            ui::mb::Exclamation);
            });
    connect(m_addIns.get(), &AddInManager::stateChanged, this,
            [this](const QString &progId, AddInManager::State state) {
                static const char *names[] = {"unloaded", "loading", "loaded", "unloading"};
                m_status->setText(tr("Add-in %1 %2").arg(progId, QLatin1String(names[int(state)])));
            });
    connect(m_addIns.get(), &AddInManager::addInFailed, this,
            [this](const QString &progId, const QString &message) {
                m_status->setText(tr("Add-in %1: %2").arg(progId, message));
            });

    resize(1100, 720);
    updateTitle();
    rebuildAddInsMenu();
}

MainWindow::~MainWindow()
{
    // Designers refer to the workspace; they go first.
    m_mdi->closeAllSubWindows();
    m_addIns.reset();
}

void MainWindow::showMessage(const QString &text, int icon)
{
    m_status->setText(text);
    m_services.MsgBox(text, int(ui::mb::OKOnly) | icon, QStringLiteral("vbhost"));
}

void MainWindow::updateTitle()
{
    QString name = m_workspace->hasProject() ? m_workspace->projectName() : tr("(no project)");
    if (m_workspace->isReadOnly())
        name += tr(" [read-only]");
    // The desktop adds the program's name itself.
    setWindowTitle(QStringLiteral("%1[*] [design]").arg(name));
    setWindowModified(m_workspace->isModified());
    m_save->setEnabled(m_workspace->hasProject());
    updateEditActions();
}

void MainWindow::projectChanged()
{
    // Close the windows of documents that left the project.
    const QList<DocumentInfo> docs = m_workspace->documents();
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        const int id = w->property(kDocumentProperty).toInt();
        bool present = false;
        for (const DocumentInfo &d : docs)
            present = present || d.id == id;
        if (!present)
            w->close();
    }
}

void MainWindow::commitCode()
{
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        if (auto *code = qobject_cast<CodeWindow *>(w->widget()))
            code->commit();
    }
}

bool MainWindow::maybeSave()
{
    if (!m_workspace->hasProject() || !m_workspace->isModified())
        return true;
    commitCode();
    const int answer = m_services.MsgBox(
        tr("Save changes to the project \"%1\"?").arg(m_workspace->projectName()),
        int(ui::mb::YesNoCancel) | int(ui::mb::Exclamation), QStringLiteral("vbhost"));
    if (answer == ui::mb::Yes)
        return saveProject();
    return answer == ui::mb::No;
}

bool MainWindow::saveProject()
{
    if (!m_workspace->hasProject())
        return false;
    // A project that cannot be written where it is goes elsewhere.
    if (m_workspace->isReadOnly())
        return m_project->saveAs();
    commitCode();
    // Files made here are saved where the person says, the new project's file last.
    const std::optional<Workspace::SaveTargets> targets = m_project->askSaveTargets();
    if (!targets)
        return false;
    try {
        m_workspace->save(*targets);
    } catch (const WorkspaceError &e) {
        const QString text = tr("The project could not be saved.\n\n%1").arg(e.text());
        m_status->setText(text);
        const int answer =
            m_services.MsgBox(text + tr("\n\nSave it elsewhere with Save Project As?"),
                              int(ui::mb::YesNo) | int(ui::mb::Critical), QStringLiteral("vbhost"));
        return answer == ui::mb::Yes && m_project->saveAs();
    }
    m_status->setText(tr("Saved %1").arg(m_workspace->projectPath()));
    updateTitle();
    return true;
}

void MainWindow::chooseOpenProject()
{
    if (!maybeSave())
        return;
    ui::OpenFileRequest request;
    request.title = tr("Open Project");
    request.filter = tr("Project Files (*.vbp)|*.vbp|All Files (*.*)|*");
    if (m_workspace->hasProject())
        request.initialDir = QFileInfo(m_workspace->projectPath()).absolutePath();
    const QList<int> numbers = CodePage::numbers();
    request.choiceLabel = tr("Code &page:");
    request.choices << tr("Found out from the project");
    for (int n : numbers)
        request.choices << CodePage::fromNumber(n)->description();
    int choice = 0;
    request.choice = &choice;
    QString path;
    try {
        path = m_services.ShowOpen(this, request);
    } catch (const automation::Error &) {
        return;
    }
    // Already asked about unsaved changes above.
    if (!path.isEmpty())
        openWithoutAsking(path, choice > 0 ? numbers.value(choice - 1) : 0);
}

bool MainWindow::openProject(const QString &path, int codePage)
{
    return maybeSave() && openWithoutAsking(path, codePage);
}

bool MainWindow::openWithoutAsking(const QString &path, int codePage)
{
    try {
        m_workspace->open(path, codePage);
    } catch (const WorkspaceError &e) {
        showMessage(tr("The project could not be opened.\n\n%1").arg(e.text()), ui::mb::Critical);
        return false;
    }
    m_mdi->closeAllSubWindows();
    projectChanged();
    updateTitle();
    m_status->setText(tr("Opened %1").arg(QDir::toNativeSeparators(path)));
    QList<ProjectMember> missing;
    for (const MissingFile &m : m_workspace->missingFiles())
        missing.append({m.kind, m.name, m.path, m.line});
    if (!missing.isEmpty()) {
        const int fileCount = int(m_workspace->documents().size() + missing.size());
        const Notice notice = missingFilesNotice(
            QFileInfo(m_workspace->projectPath()).absolutePath(), fileCount, missing);
        m_status->setText(notice.text);
        m_services.MsgBoxWithDetails(notice.text, notice.details,
                                     int(ui::mb::OKOnly) | ui::mb::Exclamation,
                                     QStringLiteral("vbhost"));
    }
    // The first form opens in its designer, as a project does on load.
    for (const DocumentInfo &d : m_workspace->documents()) {
        if (hasDesigner(d.kind)) {
            openDesigner(d.id);
            break;
        }
    }
    return true;
}

QRect MainWindow::workspaceArea() const
{
    // Before the main window is laid out the area may be tiny; windows still get a usable size.
    return m_mdi->viewport()->rect() | QRect(0, 0, 400, 300);
}

FormDesigner *MainWindow::designer(int formId) const
{
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        if (auto *d = qobject_cast<FormDesigner *>(w->widget()); d && d->formId() == formId)
            return d;
    }
    return nullptr;
}

void MainWindow::openCarried(int documentId)
{
    const DocumentInfo doc = m_workspace->document(documentId);
    const QString file = QDir::toNativeSeparators(doc.path);
    QString text;
    switch (doc.kind) {
    case DocumentKind::Designer:
        text = tr("%1 (%2) is a designer file. vbhost has no designer for it here; it stays in the "
                  "project as it is and is saved with it.")
                   .arg(doc.name, file);
        break;
    case DocumentKind::ResourceFile:
        text = tr("%1 is the project's resource file. vbhost has no resource editor; it stays in "
                  "the project as it is and is saved with it.")
                   .arg(file);
        break;
    default:
        // A related document opens in the program the desktop gives its kind of file.
        if (!doc.isNew && QDesktopServices::openUrl(QUrl::fromLocalFile(doc.path)))
            return;
        text = tr("%1 is a related document of the project, and no program here opens it. It "
                  "stays in the project as it is and is saved with it.")
                   .arg(file);
        break;
    }
    showMessage(text, ui::mb::Information);
}

FormDesigner *MainWindow::openDesigner(int formId)
{
    if (!hasDesigner(m_workspace->document(formId).kind)) {
        openCarried(formId);
        return nullptr;
    }
    if (FormDesigner *d = designer(formId)) {
        m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(d->parentWidget()));
        m_workspace->setActiveForm(formId);
        d->setFocus();
        return d;
    }
    auto *d = new FormDesigner(*m_workspace, formId);
    d->canvas()->setToolbox(m_toolbox);
    QMdiSubWindow *w = m_mdi->addSubWindow(d);
    w->setObjectName(QStringLiteral("designerWindow%1").arg(formId));
    w->setProperty(kDocumentProperty, formId);
    w->setProperty(kIsCodeProperty, false);
    w->setAttribute(Qt::WA_DeleteOnClose);
    // Tied to the workspace, which goes before the windows when vbhost quits.
    connect(w, &QObject::destroyed, m_workspace.get(),
            [this, w, formId] { designerClosed(w, formId); });
    // Room for the whole form where the area allows it, again whenever the form's size changes,
    // as the form's own window would.
    const auto fit = [this, w, d] {
        if (!(w->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
            w->setGeometry(
                placeWithin(QRect(w->pos(), d->sizeHint() + QSize(24, 40)), workspaceArea()));
    };
    w->show();
    fit();
    connect(d->canvas(), &FormCanvas::clientSized, w, fit);
    m_mdi->setActiveSubWindow(w);
    m_workspace->setActiveForm(formId);
    d->setFocus();
    return d;
}

CodeWindow *MainWindow::openCode(int documentId)
{
    if (!isCodeMember(m_workspace->document(documentId).kind)) {
        openCarried(documentId);
        return nullptr;
    }
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        if (auto *c = qobject_cast<CodeWindow *>(w->widget()); c && c->documentId() == documentId) {
            m_mdi->setActiveSubWindow(w);
            return c;
        }
    }
    auto *c = new CodeWindow(*m_workspace, documentId);
    QMdiSubWindow *w = m_mdi->addSubWindow(c);
    w->setObjectName(QStringLiteral("codeWindow%1").arg(documentId));
    w->setProperty(kDocumentProperty, documentId);
    w->setProperty(kIsCodeProperty, true);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    w->setGeometry(placeWithin(QRect(w->pos(), QSize(720, 480)), workspaceArea()));
    connect(c, &CodeWindow::cursorMoved, this, [this, w] { codeWindowActivated(w); });
    m_mdi->setActiveSubWindow(w);
    c->setFocus();
    return c;
}

void MainWindow::subWindowActivated(QMdiSubWindow *window)
{
    // ActiveForm is the form of the designer active last while it stays open: a code window,
    // the property list or the explorer in front leaves it as it is.
    updateEditActions();
    codeWindowActivated(window);
    if (!window)
        return;
    if (auto *d = qobject_cast<FormDesigner *>(window->widget())) {
        m_properties->showMember(-1);
        if (m_workspace->activeForm() != d->formId())
            m_workspace->setActiveForm(d->formId());
    } else if (auto *c = qobject_cast<CodeWindow *>(window->widget())) {
        m_properties->showMember(c->documentId());
    }
}

void MainWindow::designerClosed(QMdiSubWindow *closed, int formId)
{
    if (m_workspace->activeForm() != formId)
        return;
    const QList<QMdiSubWindow *> recent = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = recent.crbegin(); it != recent.crend(); ++it) {
        if (*it == closed)
            continue;
        if (auto *d = qobject_cast<FormDesigner *>((*it)->widget())) {
            m_workspace->setActiveForm(d->formId());
            return;
        }
    }
    m_workspace->setActiveForm(-1);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    // Add-ins are told, and given a moment to finish, before the environment goes.
    m_addIns->disconnectAll();
    event->accept();
}

} // namespace vbhost
