#include "browser.h"
#include "browsermodule.h"

#include <QObject>

// The engine's own start-up, which it runs by itself only when it is linked into the program:
// the GL context its pages are drawn with, shared with the application's windows.
namespace QtWebEngineCore {
void initialize();
}

namespace tolvar {

class BrowserPlugin : public QObject, public BrowserModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TolvarBrowserModule_iid)
    Q_INTERFACES(tolvar::BrowserModule)
public:
    QWidget *createBrowser() override
    {
        QtWebEngineCore::initialize();
        return new Browser;
    }
};

} // namespace tolvar

#include "browserplugin.moc"
