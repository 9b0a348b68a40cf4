#include "systemcolours.h"

namespace vbhost {

namespace {

// Indices 0 to 24: scroll bars, desktop, active and inactive caption, menu, window, window
// frame, menu text, window text, caption text, active and inactive border, application
// workspace, highlight, highlight text, button face, button shadow, grey text, button text,
// inactive caption text, button highlight, 3-D dark shadow, 3-D light, tooltip text, tooltip.
constexpr quint32 kScheme[kSystemColourCount] = {
    0xC0C0C0, 0x008080, 0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x000080, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0xFFFFE1};

} // namespace

quint32 systemColourRgb(int index)
{
    return index >= 0 && index < kSystemColourCount ? kScheme[index] : 0;
}

quint32 oleColourToArgb(quint32 oleColour)
{
    if ((oleColour & 0xFF000000u) == 0x80000000u)
        return 0xFF000000u | systemColourRgb(int(oleColour & 0x00FFFFFFu));
    // Palette entries and palette-relative colours keep their RGB part.
    const quint32 r = oleColour & 0xFF, g = (oleColour >> 8) & 0xFF, b = (oleColour >> 16) & 0xFF;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

} // namespace vbhost
