#include "aboutbox.h"

#include "aboutpictures.h"
#include "clickarea.h"

#include "addin/windows/centerform.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace tolvar {

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &twips,
              QLabel *l = nullptr)
{
    if (!l)
        l = new QLabel(parent);
    l->setText(text);
    l->setObjectName(name);
    l->setAccessibleName(text);
    l->setGeometry(twips);
    // The widths were laid out for the host platform's narrow dialog font: widen a label whose
    // text would be cut off here, never past the window's edge.
    if (l->wordWrap() || l->sizeHint().width() <= twips.width())
        return l;
    const int room = parent->width() - twips.left();
    QFont smaller = l->font();
    while (l->sizeHint().width() > room && smaller.pointSizeF() > 6.5) {
        smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
        l->setFont(smaller);
    }
    l->resize(std::min(l->sizeHint().width(), room), twips.height());
    return l;
}

QRect place(double left, double top, double width, double height)
{
    return ui::twipsToPixels(left, top, width, height);
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : FixedDialog(QStringLiteral("aboutbox"), AboutCaption, 5130, 3495, parent)
{

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setAccessibleName(QStringLiteral("Tolvar Add-In icon"));
    icon->setPixmap(aboutIconPicture());
    icon->setGeometry(place(480, 405, 480, 480));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QFont bold = font();
    bold.setBold(true);
    auto *title = new QLabel(this);
    title->setFont(bold);
    label(this, QStringLiteral("Label2(0)"), QStringLiteral("Vantix Software Tolvar Add-In 2.0"),
          place(1455, 180, 2985, 195), title);
    label(this, QStringLiteral("Label2(1)"), QStringLiteral("Add-in for 32-bit Visual Basic 4.0"),
          place(1455, 450, 2280, 195));
    label(this, QStringLiteral("Label2(2)"), QStringLiteral("Copyright © Vantix Software"),
          place(1440, 780, 2460, 195));
    label(this, QStringLiteral("Label2(3)"), QStringLiteral("Web Site: http://vantix.example/"),
          place(1470, 1260, 3075, 195));

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Frame1"));
    rule->setAccessibleName(QStringLiteral("Separator"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(place(135, 1995, 4830, 60));

    auto *legal = new QLabel(this);
    legal->setWordWrap(true);
    legal->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label(this, QStringLiteral("Label1"),
          QStringLiteral("This add-in is licensed, not sold, and is protected by copyright law. "
                         "Copying or distributing it without written permission from Vantix "
                         "Software is not allowed."),
          place(135, 2265, 3585, 1185), legal);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setGeometry(place(3900, 2985, 1125, 360));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::Command1_Click);

    auto *credits = new ClickArea(this);
    credits->setObjectName(QStringLiteral("Image2"));
    credits->setAccessibleName(QStringLiteral("Credits"));
    credits->setGeometry(place(0, 3075, 735, 420));
    connect(credits, &ClickArea::clicked, this, &AboutBox::Image2_Click);

    ok->setFocus();
    CenterForm(this);
}

QString AboutBox::creditsPrompt()
{
    return QStringLiteral("Tolvar Add-In written by Mara Lindqvist\r\n"
                          "Vantix Software, built %1 %2")
        .arg(QLatin1String(__DATE__), QLatin1String(__TIME__));
}

void AboutBox::Command1_Click()
{
    hide();
}

void AboutBox::Image2_Click()
{
    ui::services().MsgBox(creditsPrompt(), ui::mb::Information, CreditsTitle);
}

} // namespace tolvar
