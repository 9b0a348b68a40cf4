#pragma once

#include "addin/forms.h"
#include "addin/runtime/addinfolder.h"
#include "addin/runtime/hostapp.h"
#include "addin/toolwindow/toolwindowloader.h"
#include "addin/windows/formregistry.h"
#include "ide/model/workspace.h"
#include "platform/ui/services.h"

// The add-in's tool window loaded against a vbhost workspace, with the build's add-in folder;
// everything is put back when it goes.
class AddInSession
{
public:
    AddInSession(vbhost::Workspace &workspace, ui::Services *services) : m_services(services)
    {
        tolvar::setAddInFolderForTesting(qEnvironmentVariable("TOLVAR_ADDIN_DIR"));
        tolvar::forms().reset();
        tolvar::defineAddInForms(tolvar::forms());
        tolvar::HostApp = automation::Value(workspace.application("tolvar"));
        tolvar::LoadToolWindow();
    }
    ~AddInSession()
    {
        tolvar::unloadToolWindowForTesting();
        tolvar::forms().reset();
        tolvar::HostApp = automation::Value();
        tolvar::setAddInFolderForTesting(QString());
    }
    AddInSession(const AddInSession &) = delete;
    AddInSession &operator=(const AddInSession &) = delete;

private:
    ui::ScopedServices m_services;
};
