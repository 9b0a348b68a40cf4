#include "messageboxwizard.h"

#include "wizardwidgets.h"

#include "addin/runtime/traps.h"
#include "addin/windows/centerform.h"
#include "platform/ui/services.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tolvar {

namespace {

// An option array's members, each setting one part of the style when chosen.
template <class Set>
void addOptions(QGroupBox *frame, const QString &name, const QStringList &captions,
                const QList<int> &tops, const QList<int> &widths, const QList<int> &heights,
                int selected, QList<QWidget *> &tabOrder, Set set)
{
    QList<QRadioButton *> options;
    for (int i = 0; i < captions.size(); ++i) {
        QRadioButton *option =
            addOption(frame, QStringLiteral("%1(%2)").arg(name).arg(i), captions[i], 75, tops[i],
                      widths[i], heights.value(i, heights.back()));
        option->setChecked(i == selected);
        QObject::connect(option, &QRadioButton::toggled, frame, [set, i](bool on) {
            if (on)
                set(i);
        });
        tabOrder << option;
        options << option;
    }
    fitOptions(frame, options);
}

} // namespace

MessageBoxWizard::MessageBoxWizard(QWidget *parent)
    : BoxWizard(QStringLiteral("MB"), MessageBoxWizardCaption, 6345, 5730, parent)
{
    QList<QWidget *> tab;

    QGroupBox *frame1 =
        addFrame(this, QStringLiteral("Frame1"), QStringLiteral("Buttons"), 45, 0, 1905, 2115);
    addOptions(frame1, QStringLiteral("Option1"),
               {QStringLiteral("OK Only"), QStringLiteral("OK && Cancel"),
                QStringLiteral("Abort, Retry && Ignore"), QStringLiteral("Yes, No && Cancel"),
                QStringLiteral("Yes && No"), QStringLiteral("Retry && Cancel")},
               {210, 525, 840, 1155, 1470, 1800}, {975, 1245, 1800, 1590, 975, 1380}, {255, 285}, 3,
               tab, [this](int i) { ButtonsValue = qint16(i); });

    QGroupBox *frame2 =
        addFrame(this, QStringLiteral("Frame2"), QStringLiteral("Icon"), 2100, 0, 1905, 2115);
    addOptions(frame2, QStringLiteral("Option2"),
               {QStringLiteral("Critical"), QStringLiteral("Question"), QStringLiteral("Warning"),
                QStringLiteral("Information")},
               {210, 525, 840, 1155}, {765, 975, 990, 1110}, {315}, 3, tab,
               [this](int i) { IconValue = qint16(16 * (i + 1)); });

    QGroupBox *frame3 = addFrame(this, QStringLiteral("Frame3"), QStringLiteral("Initial Focus"),
                                 4170, 0, 2145, 1155);
    addOptions(frame3, QStringLiteral("Option3"),
               {QStringLiteral("First Button Default"), QStringLiteral("Second  Button Default"),
                QStringLiteral("Third Button Default")},
               {210, 525, 840}, {1665, 2025, 1800}, {285}, 0, tab,
               [this](int i) { DefaultButtonValue = qint16(256 * i); });

    QGroupBox *frame4 =
        addFrame(this, QStringLiteral("Frame4"), QStringLiteral("Modal"), 4170, 1170, 2145, 945);
    addOptions(frame4, QStringLiteral("Option4"),
               {QStringLiteral("Application"), QStringLiteral("System")}, {210, 525}, {1665, 1665},
               {270}, 0, tab, [this](int i) { ModalValue = qint16(4096 * i); });

    QGroupBox *frame5 = addFrame(this, QStringLiteral("Frame5"),
                                 QStringLiteral("Title and Message"), 45, 2160, 6270, 2025);
    Text1 = addTextBox(frame5, QStringLiteral("Text1"), 915, 300, 5235, 300);
    addLabel(frame5, QStringLiteral("Label1(0)"), QStringLiteral("Title :"), 405, 345, 390, 195,
             Text1);
    Text2 = addMultiLineTextBox(frame5, QStringLiteral("Text2"), 915, 630, 5235, 1260);
    addLabel(frame5, QStringLiteral("Label1(1)"), QStringLiteral("Message :"), 75, 615, 735, 195,
             Text2);

    const HelpSettings help = addHelpSettings(this, 45, 4200, 915);
    const WizardButtons buttons =
        addWizardButtons(this, QStringLiteral("Test Message Box"), 1920, 5340);

    wireButtons(help, buttons);

    tab << Text1 << Text2 << Text3 << Text4 << buttons.Command1 << buttons.Command2
        << buttons.Command3 << help.Command4;
    chainTabOrder(tab);

    Form_Load();
}

void MessageBoxWizard::Form_Load()
{
    CenterForm(this);
    ButtonsValue = 3;
    IconValue = 64;
    DefaultButtonValue = 0;
    ModalValue = 0;
}

void MessageBoxWizard::Command1_Click()
{
    ReportAndLeave([this] {
        captured.MessageText = multiLineText(Text2);
        captured.TitleText = Text1->text();
        captured.StyleValue = styleValue(ButtonsValue, IconValue, DefaultButtonValue, ModalValue);
        ui::services().MsgBox(captured.MessageText, captured.StyleValue, captured.TitleText,
                              captured.HelpFileText, captured.ContextValue);
    });
}

void MessageBoxWizard::Command2_Click()
{
    // A context that does not fit is refused before anything is captured; a clipboard that
    // cannot be opened is reported after the capture. Either way the dialog stays open.
    ReportAndLeave([this] {
        MsgBoxCall call;
        call.MessageText = multiLineText(Text2);
        call.TitleText = Text1->text();
        call.StyleValue = styleValue(ButtonsValue, IconValue, DefaultButtonValue, ModalValue);
        call.HelpFileText = Text3->text();
        call.ContextValue = contextValue(Text4->text());
        captured = call;
        deliverCode(this, msgBoxCode(captured), MsgBoxConfirmationSentence);
    });
}

} // namespace tolvar
