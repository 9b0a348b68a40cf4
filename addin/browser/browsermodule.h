#pragma once

#include <QtPlugin>

class QWidget;

namespace tolvar {

// What the browser module offers the add-in: the browser window, with the web engine behind
// it. The add-in opens the module on the first click of its browser button, so that nothing
// else pays for the engine.
class BrowserModule
{
public:
    virtual ~BrowserModule() = default;
    // A new browser window, loaded and not shown.
    virtual QWidget *createBrowser() = 0;
};

inline constexpr char BrowserModuleFile[] = "modules/tolvar-browser.so";

} // namespace tolvar

#define TolvarBrowserModule_iid "tolvar.BrowserModule/1"
Q_DECLARE_INTERFACE(tolvar::BrowserModule, TolvarBrowserModule_iid)
