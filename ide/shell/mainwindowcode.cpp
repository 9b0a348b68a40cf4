#include "mainwindow.h"

#include "ide/code/codeeditor.h"
#include "ide/code/codefind.h"
#include "ide/code/codewindow.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>

// The main window's share in the code windows: the Edit menu's search commands and the cursor's
// place in the status bar.

namespace vbhost {

void MainWindow::createCodeCommands(QMenu *edit)
{
    CodeFind::Windows windows{[this] { return activeCodeWindow(); },
                              [this](int id) { return openCode(id); }, [this] { commitCode(); }};
    m_find = new CodeFind(*m_workspace, m_services, windows, this);
    edit->addSeparator();
    const struct
    {
        const char *name;
        QString text;
        QKeySequence keys;
        void (CodeFind::*command)();
    } commands[] = {
        {"find", tr("&Find..."), QKeySequence(tr("Ctrl+F")), &CodeFind::find},
        {"findNext", tr("Find &Next"), QKeySequence(tr("F3")), nullptr},
        {"replace", tr("R&eplace..."), QKeySequence(tr("Ctrl+H")), &CodeFind::replace},
        {"goToLine", tr("&Go To Line..."), QKeySequence(tr("Ctrl+G")), &CodeFind::goToLine},
    };
    for (const auto &c : commands) {
        QAction *a = edit->addAction(c.text);
        a->setObjectName(QLatin1String(c.name));
        a->setShortcut(c.keys);
        a->setEnabled(false);
        if (c.command)
            connect(a, &QAction::triggered, m_find, c.command);
        else
            connect(a, &QAction::triggered, m_find, [this] { m_find->findNext(); });
        m_codeActions << a;
    }
    m_codePlace = new QLabel(this);
    m_codePlace->setObjectName(QStringLiteral("codePlace"));
    statusBar()->addPermanentWidget(m_codePlace);
}

CodeWindow *MainWindow::activeCodeWindow() const
{
    // The window in front stays current while the Find dialog (or any other window) is active.
    QMdiSubWindow *w = m_mdi->currentSubWindow();
    return w ? qobject_cast<CodeWindow *>(w->widget()) : nullptr;
}

void MainWindow::codeWindowActivated(QMdiSubWindow *window)
{
    // Null when the main window is no longer active: the window in front stays what it was.
    if (!window)
        window = m_mdi->currentSubWindow();
    auto *code = window ? qobject_cast<CodeWindow *>(window->widget()) : nullptr;
    for (QAction *a : std::as_const(m_codeActions))
        a->setEnabled(code != nullptr);
    if (!code) {
        m_codePlace->clear();
        return;
    }
    const QTextCursor c = code->editor()->textCursor();
    m_codePlace->setText(tr("Ln %1, Col %2").arg(c.blockNumber() + 1).arg(c.positionInBlock() + 1));
}

} // namespace vbhost
