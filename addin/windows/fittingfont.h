#pragma once

#include <QFont>

class QString;

namespace tolvar {

// The windows were laid out for the host platform's narrow dialog font: the font, made smaller in
// quarter points down to 6.5 points, until the text takes no more than `room` pixels.
QFont fittingFont(QFont font, const QString &text, int room);

} // namespace tolvar
