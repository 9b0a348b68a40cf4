#include "designfonts.h"

#include <QFontMetrics>
#include <QHash>

namespace vbhost {

namespace {

QString cacheKey(const FileFont &s, double tpp)
{
    return QStringLiteral("%1|%2|%3|%4|%5%6%7|%8")
        .arg(s.name.toLower())
        .arg(s.size)
        .arg(s.charset)
        .arg(s.weight)
        .arg(int(s.italic))
        .arg(int(s.underline))
        .arg(int(s.strikeout))
        .arg(tpp);
}

} // namespace

QFont designFont(const FileFont &font, double twipsPerPixel)
{
    static QHash<QString, QFont> cache;
    const QString key = cacheKey(font, twipsPerPixel);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    const MappedFont m = mapFont(font, twipsPerPixel);
    QFont f(m.family);
    f.setWeight(QFont::Weight(std::clamp(m.weight, 1, 1000)));
    f.setItalic(m.italic);
    f.setUnderline(m.underline);
    f.setStrikeOut(m.strikeout);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setPixelSize(m.pixelSize);
    if (m.cellHeight > 0) {
        // The largest size whose lines are no taller than the bitmap face's.
        int px = std::max(1, m.cellHeight);
        f.setPixelSize(px);
        while (px > 1 && QFontMetrics(f).height() > m.cellHeight)
            f.setPixelSize(--px);
    }
    cache.insert(key, f);
    return f;
}

} // namespace vbhost
