#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace ui {
class Services;
}

namespace vbhost {

class CodeWindow;
class FindDialog;
class Workspace;

// Edit > Find, Find Next, Replace and Go To Line over the code windows. The shell says which code
// window is in front and opens others; matches in other modules open their windows.
class CodeFind : public QObject
{
    Q_OBJECT

public:
    struct Windows
    {
        std::function<CodeWindow *()> active;  // the code window in front, or null
        std::function<CodeWindow *(int)> open; // opens (or shows) a module's code window
        std::function<void()> commitAll;       // every code window hands over its edits
    };

    CodeFind(Workspace &workspace, ui::Services &services, Windows windows, QWidget *parent);

    FindDialog *dialog() const { return m_dialog; }

    void find();
    void replace();
    // False when nothing was found (and said so).
    bool findNext();
    bool replaceOne();
    // The number of replacements made.
    int replaceAll();
    void goToLine();

private:
    void say(const QString &text);

    Workspace &m_workspace;
    ui::Services &m_services;
    Windows m_windows;
    FindDialog *m_dialog;
};

} // namespace vbhost
