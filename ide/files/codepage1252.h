#pragma once

#include <QByteArray>
#include <QString>

namespace vbhost {

// The files are Windows-1252 bytes. The five bytes the code page leaves undefined decode to
// the C1 control characters of the same value, so decode followed by encode gives back every byte.
QString decode1252(const QByteArray &bytes);

// Characters the code page lacks become '?'; *lossless (when given) tells whether any did.
QByteArray encode1252(const QString &text, bool *lossless = nullptr);

// Whether every character of the text has a byte in the code page.
bool isEncodable1252(const QString &text);

} // namespace vbhost
