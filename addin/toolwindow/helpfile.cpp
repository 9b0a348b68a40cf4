#include "helpfile.h"

#include "addin/runtime/errorreport.h"

#include "platform/ui/services.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

namespace tolvar {

namespace {

QString &helpFile()
{
    static QString path;
    return path;
}

// F1 that no window answers itself opens the application's help file at its contents. Key
// presses reach this only when no shortcut took them, so boxes with a help topic of their own
// keep it.
class HelpKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || helpFile().isEmpty())
            return false;
        try {
            ui::services().WinHelp(helpFile(), ui::HelpCommand::Contents);
        } catch (const automation::Error &e) {
            ReportError(e);
        }
        return true;
    }
};

void watchHelpKey()
{
    static QPointer<QObject> filter;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || filter)
        return;
    filter = new HelpKey(app);
    app->installEventFilter(filter);
}

} // namespace

void setAppHelpFile(const QString &path)
{
    helpFile() = path;
    watchHelpKey();
}

QString appHelpFile()
{
    return helpFile();
}

} // namespace tolvar
