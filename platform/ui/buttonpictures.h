#pragma once

#include <QImage>
#include <QPixmap>

namespace ui {

// The three pictures of an image button.
enum class ButtonPicture {
    Up, // resting: flat, in greys
    Dn, // under the pointer: in colour, in a raised frame
    Ck  // pressed: in colour, in a sunken frame
};

inline constexpr int ButtonPictureSize = 32;

// A 32 x 32 transparent image to draw a button's symbol on.
QImage emptySymbol();

// The button's picture in the given state, made from its coloured symbol: greyed and unframed at
// rest, framed when highlighted or pressed.
QPixmap buttonPicture(const QImage &symbol, ButtonPicture state);

} // namespace ui
