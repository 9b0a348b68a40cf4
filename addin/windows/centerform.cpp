#include "centerform.h"

#include "addin/runtime/traps.h"

#include "platform/basic/basic.h"
#include "platform/ui/services.h"
#include "platform/ui/twips.h"

#include <QWidget>

namespace tolvar {

QPoint centeredPositionTwips(double screenWidth, double screenHeight, double windowWidth,
                             double windowHeight)
{
    const qint32 left = basic::toLong(screenWidth - windowWidth) / 2;
    const qint32 top = basic::toLong(screenHeight - windowHeight) / 2;
    return {left, top};
}

void CenterForm(QWidget *form)
{
    ReportAndLeave([&] {
        if (!form)
            throw automation::Error::notSet();
        ui::Services &s = ui::services();
        // The outer frame is what the environment calls a window's size and position.
        const QRect frame = form->frameGeometry();
        const QPoint twips = centeredPositionTwips(s.screenWidthTwips(), s.screenHeightTwips(),
                                                   ui::pixelsToTwips(frame.width()),
                                                   ui::pixelsToTwips(frame.height()));
        form->move(ui::twipsToPixels(twips.x()), ui::twipsToPixels(twips.y()));
    });
}

} // namespace tolvar
