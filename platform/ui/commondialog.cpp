#include "commondialog.h"

#include "services.h"

#include "platform/automation/error.h"

#include <QWidget>

namespace ui {

CommonDialog::CommonDialog(QWidget *owner) : QObject(owner), m_owner(owner)
{
    setObjectName(QStringLiteral("CommonDialog1"));
}

void CommonDialog::ShowOpen()
{
    OpenFileRequest request;
    request.title = DialogTitle;
    request.filter = Filter;
    request.initialDir = InitDir;
    request.cancelError = CancelError;
    request.filterIndex = FilterIndex;
    const QString chosen = services().ShowOpen(m_owner, request);
    if (!chosen.isEmpty())
        FileName = chosen;
}

bool CommonDialog::ShowPrinter()
{
    if (!services().ShowPrinter(m_owner, CancelError, DocumentName))
        return false;
    Copies = services().printerCopies();
    return true;
}

void CommonDialog::ShowHelp()
{
    switch (HelpCommand) {
    case cdlHelpContents:
        services().WinHelp(HelpFile, ui::HelpCommand::Contents);
        return;
    case cdlHelpContext:
        services().WinHelp(HelpFile, ui::HelpCommand::Context, HelpContext);
        return;
    default:
        throw automation::Error::invalidCall();
    }
}

} // namespace ui
