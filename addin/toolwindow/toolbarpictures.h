#pragma once

#include <QPixmap>
#include <QSize>

namespace tolvar {

// The three pictures of a toolbar button.
enum class ButtonPicture {
    Up, // resting: flat, in greys
    Dn, // under the pointer: in colour, in a raised frame
    Ck  // pressed: in colour, in a sunken frame
};

inline constexpr int ButtonPictureSize = 32;

// The picture of button `id` (1 to 12, in toolbar order) in the given state.
QPixmap buttonPicture(int id, ButtonPicture state);

// The toolbar strip's background.
QPixmap toolbarBackground(const QSize &size);

// The tool window's 16 x 16 icon.
QPixmap toolWindowIcon();

} // namespace tolvar
