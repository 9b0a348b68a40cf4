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
#include <QStyleOptionButton>
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
    return placed(new QRadioButton(caption, parent), name, left, top, width, height);
}

void fitOptions(QGroupBox *frame, const QList<QRadioButton *> &options)
{
    if (options.isEmpty())
        return;
    // What an option needs: its indicator, then its caption up to the frame's inner edge.
    const auto indicator = [](QRadioButton *o) {
        QStyleOptionButton style;
        style.initFrom(o);
        return o->width() -
               o->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, o).width();
    };
    const auto needed = [&](QRadioButton *o) {
        return indicator(o) + o->fontMetrics().horizontalAdvance(o->text().replace("&&", "&"));
    };
    const auto room = [frame](QRadioButton *o) {
        return frame->contentsRect().right() + 1 - o->x();
    };
    // One size for the whole frame: the largest in which every caption fits.
    QFont font = frame->font();
    const auto allFit = [&] {
        bool fit = true;
        for (QRadioButton *o : options) {
            o->setFont(font);
            fit = fit && needed(o) <= room(o);
        }
        return fit;
    };
    while (!allFit() && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    for (QRadioButton *o : options)
        o->resize(std::max(o->width(), std::min(needed(o), room(o))), o->height());

    // The frame's caption here is taller than the layout allowed for: the options move down
    // below it, closing up where the frame's lower edge would cut the last one off.
    const QRect inside = frame->contentsRect();
    const int first = options.front()->y();
    const int last = options.back()->y();
    if (first >= inside.top())
        return;
    double scale = 1;
    const int lastTop = inside.bottom() + 1 - options.back()->height();
    if (last > first && inside.top() + (last - first) > lastTop)
        scale = std::max(0.0, double(lastTop - inside.top()) / (last - first));
    for (QRadioButton *o : options)
        o->move(o->x(), inside.top() + qRound((o->y() - first) * scale));
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
