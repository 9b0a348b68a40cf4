#pragma once

#include "platform/ui/buttonpictures.h"

#include <QPixmap>
#include <QSize>

namespace tolvar {

using ui::ButtonPicture;
using ui::ButtonPictureSize;

// The picture of button `id` (1 to 12, in toolbar order) in the given state.
QPixmap buttonPicture(int id, ButtonPicture state);

// The toolbar strip's background.
QPixmap toolbarBackground(const QSize &size);

// The tool window's 16 x 16 icon.
QPixmap toolWindowIcon();

} // namespace tolvar
