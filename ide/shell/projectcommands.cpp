#include "projectcommands.h"

#include "ide/model/workspace.h"
#include "ide/shell/projectexplorer.h"
#include "platform/ui/services.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>

namespace vbhost {

ProjectCommands::ProjectCommands(Workspace &workspace, ProjectExplorer &explorer,
                                 ui::Services &services, QWidget *window)
    : QObject(window), m_workspace(workspace), m_explorer(explorer), m_services(services),
      m_window(window)
{
    m_saveAs = new QAction(tr("Save Project &As..."), this);
    m_saveAs->setObjectName(QStringLiteral("saveProjectAs"));
    m_saveAs->setShortcut(QKeySequence::SaveAs);
    connect(m_saveAs, &QAction::triggered, this, [this] { saveAs(); });
    m_addFile = new QAction(tr("Add &File..."), this);
    m_addFile->setObjectName(QStringLiteral("addFile"));
    m_addFile->setShortcut(QKeySequence(tr("Ctrl+D")));
    connect(m_addFile, &QAction::triggered, this, [this] { addFile(); });
    m_removeFile = new QAction(tr("&Remove File"), this);
    m_removeFile->setObjectName(QStringLiteral("removeFile"));
    connect(m_removeFile, &QAction::triggered, this, [this] { removeFile(); });

    connect(&m_workspace, &Workspace::changed, this, &ProjectCommands::updateActions);
    connect(m_explorer.tree(), &QTreeWidget::currentItemChanged, this,
            &ProjectCommands::updateActions);
    updateActions();
}

void ProjectCommands::updateActions()
{
    const bool open = m_workspace.hasProject();
    m_saveAs->setEnabled(open);
    m_addFile->setEnabled(open);
    m_removeFile->setEnabled(open && m_explorer.currentDocument() >= 0);
}

void ProjectCommands::showError(const QString &text)
{
    emit status(QString(text).replace(QStringLiteral("\n\n"), QStringLiteral(" ")));
    m_services.MsgBox(text, int(ui::mb::OKOnly) | int(ui::mb::Critical), QStringLiteral("vbhost"));
}

bool ProjectCommands::saveAs()
{
    if (!m_workspace.hasProject())
        return false;
    emit aboutToWrite();
    ui::OpenFileRequest request;
    request.title = tr("Save Project As");
    request.filter = tr("Project Files (*.vbp)|*.vbp");
    request.forSave = true;
    request.defaultSuffix = QStringLiteral("vbp");
    const QFileInfo current(m_workspace.projectPath());
    // A path naming a file opens its folder with the name filled in.
    request.initialDir = QDir(m_workspace.isReadOnly() ? QDir::homePath() : current.absolutePath())
                             .filePath(current.fileName());
    QString path;
    try {
        path = m_services.ShowOpen(m_window, request);
    } catch (const automation::Error &) {
        return false;
    }
    if (path.isEmpty())
        return false;
    // Members are written beside the new project file: files of the same names there would be
    // replaced, which the dialog asked about only for the project file.
    const QDir folder = QFileInfo(QDir::fromNativeSeparators(path)).absoluteDir();
    QStringList taken;
    if (folder != current.absoluteDir()) {
        for (const DocumentInfo &d : m_workspace.documents()) {
            if (folder.exists(QFileInfo(d.path).fileName()))
                taken << QFileInfo(d.path).fileName();
        }
    }
    if (!taken.isEmpty() &&
        m_services.MsgBox(
            tr("%1 already holds %2. Replace them with the project's files?")
                .arg(QDir::toNativeSeparators(folder.path()), taken.join(QStringLiteral(", "))),
            int(ui::mb::YesNo) | int(ui::mb::Exclamation), QStringLiteral("vbhost")) != ui::mb::Yes)
        return false;
    try {
        m_workspace.saveAs(QDir::fromNativeSeparators(path));
    } catch (const WorkspaceError &e) {
        showError(tr("The project could not be saved as %1.\n\n%2")
                      .arg(QDir::toNativeSeparators(path), e.text()));
        return false;
    }
    emit status(tr("Saved %1").arg(QDir::toNativeSeparators(m_workspace.projectPath())));
    return true;
}

int ProjectCommands::addFile()
{
    if (!m_workspace.hasProject())
        return -1;
    ui::OpenFileRequest request;
    request.title = tr("Add File");
    request.filter = tr("VB Files (*.frm;*.bas;*.cls;*.ctl;*.pag;*.dob;*.dsr;*.res)|"
                        "*.frm;*.bas;*.cls;*.ctl;*.pag;*.dob;*.dsr;*.res|"
                        "Related Documents (*.*)|*");
    request.initialDir = QFileInfo(m_workspace.projectPath()).absolutePath();
    QString path;
    try {
        path = m_services.ShowOpen(m_window, request);
    } catch (const automation::Error &) {
        return -1;
    }
    if (path.isEmpty())
        return -1;
    try {
        const int id = m_workspace.addFile(QDir::fromNativeSeparators(path));
        emit status(tr("Added %1").arg(m_workspace.document(id).name));
        return id;
    } catch (const automation::Error &e) {
        showError(tr("The file %1 could not be added.\n\n%2")
                      .arg(QDir::toNativeSeparators(path), e.description()));
        return -1;
    }
}

bool ProjectCommands::removeFile()
{
    const int id = m_explorer.currentDocument();
    if (id < 0)
        return false;
    emit aboutToWrite();
    const DocumentInfo doc = m_workspace.document(id);
    // A carried file is never edited here: there is nothing of it to save.
    if (doc.modified && isCodeMember(doc.kind)) {
        const int answer = m_services.MsgBox(
            tr("Save changes to %1 before removing it from the project?").arg(doc.name),
            int(ui::mb::YesNoCancel) | int(ui::mb::Exclamation), QStringLiteral("vbhost"));
        if (answer == ui::mb::Cancel)
            return false;
        if (answer == ui::mb::Yes) {
            try {
                m_workspace.saveDocument(id);
            } catch (const WorkspaceError &e) {
                showError(tr("%1 could not be saved, so it stays in the project.\n\n%2")
                              .arg(doc.name, e.text()));
                return false;
            }
        }
    }
    m_workspace.removeFile(id);
    emit status(tr("Removed %1").arg(doc.name));
    return true;
}

} // namespace vbhost
