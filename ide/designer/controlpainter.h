#pragma once

#include "ide/designer/controllook.h"
#include "ide/designer/designlayout.h"

#include <QFont>
#include <QRect>

class QPainter;
class QWidget;

namespace vbhost {

struct DesignPicture;

// What painting one control needs: the canvas (its style), the control, where it goes, and the
// look its properties give it, with its font and picture ready.
struct ControlPaint
{
    QPainter &p;
    const QWidget *canvas;
    const DesignControl &control;
    QRect r;
    const ControlLook &look;
    const QFont &font;
    const DesignPicture *picture = nullptr; // null when it has none
};

// Draws a control as the environment drew it at design time, by its class; a class it does not
// know becomes a labelled box of its size.
void paintControl(const ControlPaint &paint);

// The size in pixels a label with AutoSize takes for its caption: as wide as its text (its
// width kept when it wraps words), as tall as its lines, its border included.
QSize labelAutoSize(const ControlLook &look, const QFont &font, int width);

// A picture at its own size from the top-left corner of r, or stretched over r; a metafile or a
// picture that cannot be read as a framed placeholder naming its kind.
void paintPicture(QPainter &p, const QRect &r, const DesignPicture &picture, bool stretch,
                  const QFont &font);

} // namespace vbhost
