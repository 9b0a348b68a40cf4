#pragma once

#include <QPixmap>

namespace tolvar {

// The about box's 32 x 32 icon: a document window with text lines and a small dialog in front of
// its lower right corner, in the sixteen standard colours.
QPixmap aboutIconPicture();

// The splash window's 478 x 201 picture.
QPixmap splashPicture();

inline constexpr int SplashPictureWidth = 478;
inline constexpr int SplashPictureHeight = 201;

} // namespace tolvar
