#pragma once

#include "ide/designer/designlayout.h"

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace vbhost {

// What painting one control needs: the canvas (its style, palette and font), the control, where
// it goes, and the properties its picture shows.
struct ControlPaint
{
    QPainter &p;
    const QWidget *canvas;
    const DesignControl &control;
    QRect r;
    QString caption;
    QString text;
    // A numeric property of the control, or the fallback when it has none.
    std::function<double(const QString &name, double fallback)> number;
};

// Draws a control as the designer shows it, by its class; a class it does not know becomes a
// labelled box of its size.
void paintControl(const ControlPaint &paint);

} // namespace vbhost
