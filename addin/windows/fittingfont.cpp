#include "fittingfont.h"

#include <QFontMetrics>

namespace tolvar {

QFont fittingFont(QFont font, const QString &text, int room)
{
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

} // namespace tolvar
