#include "outersize.h"

#include "platform/ui/twips.h"

#include <QWidget>

namespace tolvar {

void setOuterSize(QWidget *window, double widthTwips, double heightTwips)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    const bool framed = window->isVisible();
    const int extraWidth = framed ? outer.width() - inner.width() : 0;
    const int extraHeight = framed ? outer.height() - inner.height() : 0;
    const QSize size = ui::twipsToPixels(widthTwips, heightTwips);
    window->setFixedSize(size.width() - extraWidth, size.height() - extraHeight);
}

} // namespace tolvar
