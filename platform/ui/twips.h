#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui {

// 1440 twips to the inch at the screen's logical DPI (15 twips a pixel at 96 DPI).
double twipsPerPixel();
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);
QRect twipsToPixels(double left, double top, double width, double height);
QSize twipsToPixels(double width, double height);

} // namespace ui
