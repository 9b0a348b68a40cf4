#include "fontmapping.h"

#include "ide/files/controlnode.h"
#include "ide/files/propertyvalue.h"

#include <QHash>
#include <cmath>
#include <iterator>
#include <optional>

namespace vbhost {

namespace {

enum class Face { Outline, BitmapSans, BitmapSerif, System, Fixedsys, Cjk };

struct Mapping
{
    const char *family;
    Face face;
};

const char *const kSans = "Liberation Sans";
const char *const kSerif = "Liberation Serif";
const char *const kMono = "Liberation Mono";
const char *const kCjk = "WenQuanYi Micro Hei";

// Windows face names (lower case) to installed families.
const QHash<QString, Mapping> &mappings()
{
    static const QHash<QString, Mapping> table = [] {
        QHash<QString, Mapping> t{
            {QStringLiteral("arial"), {kSans, Face::Outline}},
            {QStringLiteral("helvetica"), {kSans, Face::Outline}},
            {QStringLiteral("times new roman"), {kSerif, Face::Outline}},
            {QStringLiteral("times"), {kSerif, Face::Outline}},
            {QStringLiteral("courier new"), {kMono, Face::Outline}},
            {QStringLiteral("courier"), {kMono, Face::Outline}},
            {QStringLiteral("ms sans serif"), {kSans, Face::BitmapSans}},
            {QStringLiteral("ms shell dlg"), {kSans, Face::BitmapSans}},
            {QStringLiteral("helv"), {kSans, Face::BitmapSans}},
            {QStringLiteral("small fonts"), {kSans, Face::BitmapSans}},
            {QStringLiteral("ms serif"), {kSerif, Face::BitmapSerif}},
            {QStringLiteral("tms rmn"), {kSerif, Face::BitmapSerif}},
            {QStringLiteral("system"), {kSans, Face::System}},
            {QStringLiteral("fixedsys"), {kMono, Face::Fixedsys}},
        };
        // Japanese, simplified and traditional Chinese and Korean faces, in Latin letters and
        // in their own scripts.
        for (const char *name : {"ms gothic",
                                 "ms pgothic",
                                 "ms ui gothic",
                                 "ms mincho",
                                 "ms pmincho",
                                 "\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF",
                                 "\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF",
                                 "\uFF2D\uFF33 \u660E\u671D",
                                 "\uFF2D\uFF33 \uFF30\u660E\u671D",
                                 "simsun",
                                 "nsimsun",
                                 "simhei",
                                 "kaiti",
                                 "fangsong",
                                 "\u5B8B\u4F53",
                                 "\u65B0\u5B8B\u4F53",
                                 "\u9ED1\u4F53",
                                 "\u6977\u4F53_gb2312",
                                 "mingliu",
                                 "pmingliu",
                                 "\u7D30\u660E\u9AD4",
                                 "\u65B0\u7D30\u660E\u9AD4",
                                 "gulim",
                                 "gulimche",
                                 "dotum",
                                 "dotumche",
                                 "batang",
                                 "batangche",
                                 "gungsuh",
                                 "\uAD74\uB9BC",
                                 "\uB3CB\uC6C0",
                                 "\uBC14\uD0D5",
                                 "\uAD81\uC11C"})
            t.insert(QString::fromUtf8(name), {kCjk, Face::Cjk});
        return t;
    }();
    return table;
}

bool isCjkCharset(int charset)
{
    // Shift-JIS, Hangul, Johab, GB 2312, Big5.
    return charset == 128 || charset == 129 || charset == 130 || charset == 134 || charset == 136;
}

// MS Sans Serif's bitmap sizes at 96 DPI: its em height and line height in pixels. Windows takes
// the largest size whose em fits the request (the smallest when none does).
struct BitmapSize
{
    int em;
    int cell;
};
constexpr BitmapSize kBitmapSizes[] = {{11, 13}, {13, 16}, {16, 20}, {19, 24}, {24, 29}, {32, 37}};

int bitmapCellHeight(int em96)
{
    const BitmapSize *chosen = &kBitmapSizes[0];
    for (const BitmapSize &s : kBitmapSizes) {
        if (s.em <= em96)
            chosen = &s;
    }
    const BitmapSize &largest = kBitmapSizes[std::size(kBitmapSizes) - 1];
    if (em96 > largest.em)
        return int(std::lround(em96 * double(largest.cell) / largest.em));
    return chosen->cell;
}

std::optional<double> numberIn(const FormProperty &p)
{
    if (auto n = parseNumber(p.valueText))
        return n;
    if (auto b = parseBoolean(p.valueText))
        return *b ? -1.0 : 0.0;
    return std::nullopt;
}

} // namespace

FileFont defaultFont(const QString &fileVersion)
{
    FileFont f;
    const double version = fileVersion.toDouble();
    if (version > 0 && version < 5)
        f.weight = 700;
    return f;
}

FileFont readFont(const ControlNode &node, const FileFont &inherited)
{
    FileFont f = inherited;
    const auto apply = [&f](const QString &name, const FormProperty &p) {
        const QString key = name.toLower();
        if (key == u"name") {
            if (auto s = unquoteString(p.valueText))
                f.name = *s;
            return;
        }
        const auto n = numberIn(p);
        if (!n)
            return;
        if (key == u"size")
            f.size = *n > 0 ? *n : f.size;
        else if (key == u"charset")
            f.charset = int(*n);
        else if (key == u"weight")
            f.weight = int(*n);
        else if (key == u"bold")
            f.weight = *n != 0 ? 700 : 400;
        else if (key == u"italic")
            f.italic = *n != 0;
        else if (key == u"underline")
            f.underline = *n != 0;
        else if (key == u"strikethrough" || key == u"strikethru")
            f.strikeout = *n != 0;
    };
    const QList<FormProperty> block = node.propertyBlock(QStringLiteral("Font"));
    for (const FormProperty &p : block)
        apply(p.name, p);
    if (!block.isEmpty())
        return f;
    for (const FormProperty &p : node.properties()) {
        if (p.name.size() > 4 && p.name.startsWith(QLatin1String("Font"), Qt::CaseInsensitive) &&
            !p.name.endsWith(QLatin1String("Transparent"), Qt::CaseInsensitive))
            apply(p.name.mid(4), p);
    }
    return f;
}

MappedFont mapFont(const FileFont &font, double twipsPerPixel)
{
    const double tpp = twipsPerPixel > 0 ? twipsPerPixel : 15.0;
    MappedFont m;
    m.weight = font.weight;
    m.italic = font.italic;
    m.underline = font.underline;
    m.strikeout = font.strikeout;
    m.pixelSize = std::max(1, int(std::lround(font.size * 20.0 / tpp)));
    const auto it = mappings().constFind(font.name.trimmed().toLower());
    if (it == mappings().constEnd()) {
        m.family = isCjkCharset(font.charset) ? QString::fromLatin1(kCjk) : font.name.trimmed();
        return m;
    }
    m.family = QString::fromLatin1(it->family);
    const double toScreen = 15.0 / tpp; // the bitmap tables are for 96 DPI
    switch (it->face) {
    case Face::BitmapSans:
    case Face::BitmapSerif:
        m.cellHeight = int(
            std::lround(bitmapCellHeight(int(std::lround(font.size * 20.0 / 15.0))) * toScreen));
        break;
    case Face::System:
        m.cellHeight = int(std::lround(16 * toScreen));
        m.weight = std::max(m.weight, 700);
        break;
    case Face::Fixedsys:
        m.cellHeight = int(std::lround(15 * toScreen));
        break;
    default:
        break;
    }
    return m;
}

} // namespace vbhost
