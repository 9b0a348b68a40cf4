#pragma once

#include "ide/designer/fontmapping.h"

#include <QFont>

namespace vbhost {

// The installed font that draws a form file's font at the designer's scale (twips per pixel);
// bitmap faces get the pixel size whose line height matches theirs.
QFont designFont(const FileFont &font, double twipsPerPixel);

} // namespace vbhost
