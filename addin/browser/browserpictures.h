#pragma once

#include "platform/ui/buttonpictures.h"

#include <QPixmap>

namespace tolvar {

// The picture of the browser's toolbar button `code` (1 to 5, in toolbar order).
QPixmap browserButtonPicture(int code, ui::ButtonPicture state);

// The toolbar strip's 800 x 110 background: light grey with faint flourishes.
QPixmap browserToolbarBackground();

} // namespace tolvar
