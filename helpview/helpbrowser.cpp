#include "helpbrowser.h"

#include <QDesktopServices>
#include <QHelpEngineCore>

namespace helpview {

HelpBrowser::HelpBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        // Links inside the help file stay here; the rest go to the desktop's own programs.
        const QUrl target = source().resolved(url);
        if (target.scheme() == QLatin1String("qthelp"))
            setSource(target);
        else
            QDesktopServices::openUrl(target);
    });
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    if (m_engine && name.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

} // namespace helpview
