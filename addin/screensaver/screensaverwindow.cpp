#include "screensaverwindow.h"

#include "screensaverinstructions.h"
#include "screensaverskeleton.h"

#include "addin/runtime/addinfolder.h"
#include "addin/runtime/hostapp.h"
#include "addin/runtime/traps.h"
#include "addin/windows/centerform.h"
#include "platform/ui/commondialog.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace tolvar {

namespace {

struct ButtonEntry
{
    int index;
    const char *caption;
    double left;
};

// Seen from the left: print, create, close; the array's indices follow the click handler.
constexpr ButtonEntry Buttons[] = {
    {2, "Print Instructions", 465}, {0, "Create Skeleton", 2250}, {1, "Close", 4035}};

} // namespace

ScreenSaverWindow::ScreenSaverWindow(QWidget *parent)
    : FixedDialog(QStringLiteral("saver"), ScreenSaverCaption, 6255, 3735, parent)
{

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setAccessibleName(QStringLiteral("Instructions"));
    m_text->setGeometry(ui::twipsToPixels(90, 75, 6060, 2715));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setTabChangesFocus(true);
    m_text->setTabStopDistance(8 * m_text->fontMetrics().averageCharWidth());
    QString shown = screenSaverInstructions();
    m_text->setPlainText(shown.replace(QLatin1String("\r\n"), QLatin1String("\n")));

    QPushButton *byIndex[3] = {};
    for (const ButtonEntry &entry : Buttons) {
        auto *button = new QPushButton(QString::fromLatin1(entry.caption), this);
        button->setObjectName(QStringLiteral("Command1(%1)").arg(entry.index));
        button->setGeometry(ui::twipsToPixels(entry.left, 2925, 1635, 405));
        // Enter in the instructions must not create a form by accident.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, index = entry.index] { Command1_Click(index); });
        byIndex[entry.index] = button;
    }
    setTabOrder(byIndex[0], m_text);
    setTabOrder(m_text, byIndex[1]);
    setTabOrder(byIndex[1], byIndex[2]);
    byIndex[0]->setFocus();

    auto *statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setSizeGripEnabled(false);
    m_status = new QLabel(statusBar);
    m_status->setMinimumWidth(1);
    statusBar->addWidget(m_status, 1);
    const int barHeight = statusBar->sizeHint().height();
    statusBar->setGeometry(0, height() - barHeight, width(), barHeight);

    m_commonDialog = new ui::CommonDialog(this);
    m_commonDialog->DocumentName = InstructionsDocumentName;

    // The instructions are for reading, scrolling and printing, not for editing.
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    CenterForm(this);
}

void ScreenSaverWindow::Command1_Click(int index)
{
    switch (index) {
    case 0:
        CreateSkeleton();
        break;
    case 1:
        hide();
        break;
    case 2:
        PrintInstructions();
        break;
    default:
        break;
    }
}

void ScreenSaverWindow::CreateSkeleton()
{
    setStatusText(CreatingSkeletonStatus);
    // A failure leaves whatever the environment had already added; nothing is in progress
    // after the report, so the status is cleared either way.
    ReportAndLeave([] { buildScreenSaverSkeleton(HostApp, AddInPath(ScreenSaverModule)); });
    setStatusText(QString());
}

void ScreenSaverWindow::PrintInstructions()
{
    m_commonDialog->CancelError = true;
    ReportAndLeave([this] {
        m_commonDialog->ShowPrinter();
        const int copies = m_commonDialog->Copies;
        setStatusText(PrintingInstructionsStatus);
        const QString text = Text1Text();
        // Every copy in one document; the printer itself stays at one copy.
        for (int copy = 1; copy <= copies; ++copy)
            ui::services().printerPrint(text);
        ui::services().printerEndDoc();
    });
}

QString ScreenSaverWindow::statusText() const
{
    return m_status->text();
}

QString ScreenSaverWindow::Text1Text() const
{
    return m_text->toPlainText().replace(u'\n', QLatin1String("\r\n"));
}

void ScreenSaverWindow::setStatusText(const QString &text)
{
    m_status->setText(text);
    // The environment's calls and the printer run before the event loop gets to paint.
    m_status->repaint();
}

} // namespace tolvar
