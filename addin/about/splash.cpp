#include "splash.h"

#include "aboutpictures.h"

#include "addin/windows/centerform.h"
#include "platform/ui/twips.h"

#include <QPainter>

namespace tolvar {

Splash::Splash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(splashPicture())
{
    setObjectName(QStringLiteral("Splash"));
    // Never shown on a frameless window, but what a screen reader announces.
    setWindowTitle(QStringLiteral("Vantix Software Tolvar Add-In 2.0 is starting"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(ui::twipsToPixels(7170, 3015));
    CenterForm(this);
}

void Splash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_picture);
}

} // namespace tolvar
