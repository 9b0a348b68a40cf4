#include "mainwindow.h"

#include "ide/designer/controlcommands.h"
#include "ide/designer/formcanvas.h"
#include "ide/designer/formdesigner.h"
#include "ide/designer/toolbox.h"
#include "ide/model/workspace.h"
#include "platform/ui/services.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>

// The Edit menu, the toolbox, and the commands that make new projects and members.

namespace vbhost {

namespace {

QAction *addCommand(QMenu *menu, const QString &text, const char *name, const QKeySequence &key)
{
    QAction *a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    a->setShortcut(key);
    return a;
}

} // namespace

void MainWindow::createToolbox()
{
    m_controls = new ControlCommands(*m_workspace, m_services, this);
    connect(m_controls, &ControlCommands::status, m_status, &QLabel::setText);
    m_toolbox = new Toolbox(this);
    auto *dock = new QDockWidget(tr("Toolbox"), this);
    dock->setObjectName(QStringLiteral("toolboxDock"));
    dock->setAccessibleName(tr("Toolbox"));
    dock->setWidget(m_toolbox);
    dock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::LeftDockWidgetArea, dock);
    connect(m_toolbox, &Toolbox::addRequested, this, [this](const QString &cls) {
        if (!m_controls->hasForm()) {
            m_status->setText(tr("Open a form to add a %1 to it").arg(cls));
            return;
        }
        m_controls->addAtCentre(cls);
        if (FormDesigner *d = designer(m_workspace->activeForm()))
            d->canvas()->setFocus(Qt::OtherFocusReason);
    });
}

QPlainTextEdit *MainWindow::activeTextEditor() const
{
    if (auto *e = qobject_cast<QPlainTextEdit *>(QApplication::focusWidget()))
        return e;
    QMdiSubWindow *w = m_mdi->activeSubWindow();
    if (!w || !w->widget())
        return nullptr;
    if (auto *e = qobject_cast<QPlainTextEdit *>(w->widget()))
        return e;
    return w->widget()->findChild<QPlainTextEdit *>();
}

void MainWindow::createEditMenu(QMenu *edit)
{
    // Text in an editor takes the command; otherwise it works on the controls of the form,
    // unless the explorer or the property list has the keyboard.
    const auto route = [this](auto onText, auto onLine, auto onControls) {
        return [this, onText, onLine, onControls] {
            if (auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                (line->*onLine)();
            else if (QPlainTextEdit *text = activeTextEditor())
                (text->*onText)();
            else if (!qobject_cast<QAbstractItemView *>(QApplication::focusWidget()))
                (m_controls->*onControls)();
        };
    };
    m_undo = addCommand(edit, tr("&Undo"), "undo", QKeySequence::Undo);
    connect(m_undo, &QAction::triggered, this, [this] {
        if (QPlainTextEdit *text = activeTextEditor())
            text->undo();
        else if (m_workspace->canUndo())
            m_workspace->undo();
    });
    m_redo = addCommand(edit, tr("&Redo"), "redo", QKeySequence(tr("Ctrl+Y")));
    connect(m_redo, &QAction::triggered, this, [this] {
        if (QPlainTextEdit *text = activeTextEditor())
            text->redo();
        else if (m_workspace->canRedo())
            m_workspace->redo();
    });
    edit->addSeparator();
    connect(addCommand(edit, tr("Cu&t"), "cut", QKeySequence::Cut), &QAction::triggered, this,
            route(&QPlainTextEdit::cut, &QLineEdit::cut, &ControlCommands::cut));
    connect(addCommand(edit, tr("&Copy"), "copy", QKeySequence::Copy), &QAction::triggered, this,
            route(&QPlainTextEdit::copy, &QLineEdit::copy, &ControlCommands::copy));
    connect(addCommand(edit, tr("&Paste"), "paste", QKeySequence::Paste), &QAction::triggered, this,
            route(&QPlainTextEdit::paste, &QLineEdit::paste, &ControlCommands::paste));
    QAction *del = addCommand(edit, tr("De&lete"), "delete", QKeySequence(Qt::Key_Delete));
    connect(del, &QAction::triggered, this, [this] {
        if (auto *line = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            line->del();
        else if (QPlainTextEdit *text = activeTextEditor())
            text->textCursor().removeSelectedText();
        else if (!qobject_cast<QAbstractItemView *>(QApplication::focusWidget()))
            m_controls->remove();
    });
    connect(addCommand(edit, tr("Select &All"), "selectAll", QKeySequence::SelectAll),
            &QAction::triggered, this,
            route(&QPlainTextEdit::selectAll, &QLineEdit::selectAll, &ControlCommands::selectAll));
    edit->addSeparator();
    connect(addCommand(edit, tr("Bring to &Front"), "bringToFront", QKeySequence(tr("Ctrl+J"))),
            &QAction::triggered, m_controls, &ControlCommands::bringToFront);
    connect(addCommand(edit, tr("Send to Bac&k"), "sendToBack", QKeySequence(tr("Ctrl+K"))),
            &QAction::triggered, m_controls, &ControlCommands::sendToBack);
    m_lockControls = edit->addAction(tr("Lock C&ontrols"));
    m_lockControls->setObjectName(QStringLiteral("lockControls"));
    m_lockControls->setCheckable(true);
    connect(m_lockControls, &QAction::toggled, this, [this](bool on) {
        if (FormDesigner *d = designer(m_workspace->activeForm()))
            d->canvas()->setLocked(on);
    });
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updateEditActions);
}

void MainWindow::updateEditActions()
{
    const bool text = activeTextEditor() != nullptr;
    m_undo->setEnabled(text || m_workspace->canUndo());
    m_redo->setEnabled(text || m_workspace->canRedo());
    const FormDesigner *d = designer(m_workspace->activeForm());
    m_lockControls->setEnabled(d != nullptr);
    const QSignalBlocker quiet(m_lockControls);
    m_lockControls->setChecked(d && d->canvas()->isLocked());
}

bool MainWindow::newProject()
{
    if (!maybeSave())
        return false;
    m_mdi->closeAllSubWindows();
    m_workspace->newProject();
    updateTitle();
    m_status->setText(tr("New project"));
    for (const DocumentInfo &d : m_workspace->documents()) {
        if (hasDesigner(d.kind)) {
            openDesigner(d.id);
            break;
        }
    }
    return true;
}

int MainWindow::addNewMember(MemberKind kind)
{
    if (!m_workspace->hasProject())
        return -1;
    const int id = m_workspace->addNewMember(kind);
    if (hasDesigner(kind))
        openDesigner(id);
    else
        openCode(id);
    m_status->setText(tr("Added %1").arg(m_workspace->document(id).name));
    return id;
}

} // namespace vbhost
