#pragma once

#include <QtGlobal>

namespace vbhost {

// Number of system colours a form file can name: &H80000000& to &H80000018&.
constexpr int kSystemColourCount = 25;

// The standard Windows colour scheme of the time, by system colour index, as 0xRRGGBB; black
// for an index outside the table.
quint32 systemColourRgb(int index);

// A colour as a form file writes it (&H00BBGGRR& or a system colour &H800000nn&) as an opaque
// 0xAARRGGBB value, ready for QColor::fromRgb.
quint32 oleColourToArgb(quint32 oleColour);

} // namespace vbhost
