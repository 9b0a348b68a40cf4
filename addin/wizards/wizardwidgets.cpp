#include "wizardwidgets.h"

#include "wizardconfirmation.h"

#include "addin/runtime/traps.h"
#include "platform/ui/commondialog.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace tolvar {

namespace {

template <class W> W *placed(W *w, const QString &name, double l, double t, double wd, double h)
{
    w->setObjectName(name);
    w->setGeometry(ui::twipsToPixels(l, t, wd, h));
    return w;
}

// The sizes were laid out for the host platform's narrow dialog font: a caption that would be cut
// off here takes the room up to `room` pixels, then a smaller font.
void fitCaption(QWidget *w, int room)
{
    if (w->sizeHint().width() <= w->width())
        return;
    QFont smaller = w->font();
    while (w->sizeHint().width() > room && smaller.pointSizeF() > 6.5) {
        smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
        w->setFont(smaller);
    }
    w->resize(std::max(w->width(), std::min(w->sizeHint().width(), room)), w->height());
}

} // namespace

QGroupBox *addFrame(QWidget *parent, const QString &name, const QString &caption, double left,
                    double top, double width, double height)
{
    return placed(new QGroupBox(caption, parent), name, left, top, width, height);
}

QRadioButton *addOption(QWidget *parent, const QString &name, const QString &caption, double left,
                        double top, double width, double height)
{
    auto *option = placed(new QRadioButton(caption, parent), name, left, top, width, height);
    fitCaption(option, parent->width() - option->x() - ui::twipsToPixels(60));
    return option;
}

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, double left,
                 double top, double width, double height, QWidget *buddy)
{
    auto *label = placed(new QLabel(caption, parent), name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    const bool buddyRight = buddy->parentWidget() == parent && buddy->x() > label->x();
    fitCaption(label, (buddyRight ? buddy->x() : parent->width()) - label->x() - 2);
    return label;
}

QLineEdit *addTextBox(QWidget *parent, const QString &name, double left, double top, double width,
                      double height)
{
    return placed(new QLineEdit(parent), name, left, top, width, height);
}

QPlainTextEdit *addMultiLineTextBox(QWidget *parent, const QString &name, double left, double top,
                                    double width, double height)
{
    auto *box = placed(new QPlainTextEdit(parent), name, left, top, width, height);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, double left,
                       double top, double width, double height)
{
    auto *button = placed(new QPushButton(caption, parent), name, left, top, width, height);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

HelpSettings addHelpSettings(QWidget *window, double frameLeft, double frameTop,
                             double helpFileLeft)
{
    QGroupBox *frame = addFrame(window, QStringLiteral("Frame6"), QStringLiteral("Help Settings"),
                                frameLeft, frameTop, 6255, 1050);
    HelpSettings help;
    help.Text3 = addTextBox(frame, QStringLiteral("Text3"), helpFileLeft, 315, 4605, 300);
    addLabel(frame, QStringLiteral("Label2(0)"), QStringLiteral("Helpfile :"), 240, 345, 615, 195,
             help.Text3);
    help.Command4 =
        addButton(frame, QStringLiteral("Command4"), QStringLiteral("..."), 5550, 315, 345, 300);
    help.Command4->setAccessibleDescription(QStringLiteral("Browse for a help file"));
    help.Text4 = addTextBox(frame, QStringLiteral("Text4"), 915, 660, 990, 300);
    addLabel(frame, QStringLiteral("Label2(1)"), QStringLiteral("Context :"), 225, 705, 630, 195,
             help.Text4);
    return help;
}

WizardButtons addWizardButtons(QWidget *window, const QString &testCaption, double testLeft,
                               double top)
{
    // OK and Cancel follow the test button at fixed steps.
    return {addButton(window, QStringLiteral("Command1"), testCaption, testLeft, top, 1710, 360),
            addButton(window, QStringLiteral("Command2"), QStringLiteral("OK"), testLeft + 1830,
                      top, 1215, 360),
            addButton(window, QStringLiteral("Command3"), QStringLiteral("Cancel"), testLeft + 3165,
                      top, 1215, 360)};
}

void chainTabOrder(const QList<QWidget *> &order)
{
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QString multiLineText(const QPlainTextEdit *box)
{
    return withWindowsLineEnds(box->toPlainText());
}

void browseForHelpFile(ui::CommonDialog &dialog, QLineEdit *helpFileBox)
{
    dialog.CancelError = true;
    LeaveQuietly([&] {
        dialog.Filter = QStringLiteral("Help Files (*.hlp)|*.hlp");
        dialog.ShowOpen();
        helpFileBox->setText(dialog.FileName);
    });
}

void deliverCode(QWidget *window, const QString &code, const QString &sentence)
{
    ui::Services &services = ui::services();
    services.setClipboardText(code);
    services.MsgBox(clipboardConfirmation(sentence, code), ui::mb::Information, ApplicationTitle);
    window->hide();
}

} // namespace tolvar
