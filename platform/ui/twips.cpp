#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui {

namespace {
constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDpi = 96.0;
} // namespace

double twipsPerPixel()
{
    double dpi = FallbackDpi;
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            if (screen->logicalDotsPerInchX() > 0)
                dpi = screen->logicalDotsPerInchX();
        }
    }
    return TwipsPerInch / dpi;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / twipsPerPixel()));
}

double pixelsToTwips(int pixels)
{
    return pixels * twipsPerPixel();
}

// Each value is converted on its own, as the platform moves windows: equal widths stay equal
// wherever the control stands.
QRect twipsToPixels(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QSize twipsToPixels(double width, double height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

} // namespace ui
