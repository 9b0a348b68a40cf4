#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

namespace ui {
class Services;
}

namespace vbhost {

class Workspace;

// The Edit menu's commands on the controls of the active form: cut, copy, paste, delete, select
// all, bring to front and send to back, and adding a control at its default size. Each one is
// one step of the workspace's undo history. The control array question goes through
// ui::Services.
class ControlCommands : public QObject
{
    Q_OBJECT

public:
    ControlCommands(Workspace &workspace, ui::Services &services, QObject *parent = nullptr);

    // A form is being designed (the commands have something to work on).
    bool hasForm() const;
    bool hasSelection() const;

    void cut();
    void copy();
    // Into the selected frame or picture box, else the form: one grid step down and right of
    // the originals, or at the top-left corner of another container; each further paste of the
    // same controls one step further, so copies never hide each other.
    void paste();
    void remove();
    void selectAll();
    void bringToFront();
    void sendToBack();
    // Adds the control at its default size in the middle of the active form; its key, or empty.
    QString addAtCentre(const QString &className);

signals:
    void status(const QString &text);

private:
    QString pasteContainer() const;

    Workspace &m_workspace;
    ui::Services &m_services;
    QHash<QString, int> m_pastes; // pastes of one text into one container
};

// The question asked when a pasted control's name is in use.
QString controlArrayQuestion(const QString &name);

} // namespace vbhost
