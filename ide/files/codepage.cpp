#include "ide/files/codepage.h"

#include "ide/files/codepage1252.h"

#include <QHash>
#include <QMutex>
#include <cerrno>
#include <iconv.h>

namespace vbhost {

namespace {

constexpr int kNumbers[] = {1252, 932,  936,  949,  950,  1250, 1251,
                            1253, 1254, 1255, 1256, 1257, 1258};

// iconv descriptors are costly to open and not safe to share between threads: one per
// direction and code page, used under a lock.
struct Converter
{
    QMutex lock;
    iconv_t cd = iconv_t(-1);
};

Converter &converter(int number, bool toUnicode)
{
    static QMutex guard;
    static QHash<int, Converter *> table;
    const int key = toUnicode ? number : -number;
    QMutexLocker locker(&guard);
    Converter *&c = table[key];
    if (!c) {
        c = new Converter;
        const QByteArray cp = "CP" + QByteArray::number(number);
        c->cd = toUnicode ? iconv_open("UTF-16LE", cp.constData())
                          : iconv_open(cp.constData(), "UTF-16LE");
    }
    return *c;
}

} // namespace

std::optional<CodePage> CodePage::fromNumber(int number)
{
    for (int n : kNumbers) {
        if (n == number)
            return CodePage(number);
    }
    return std::nullopt;
}

QList<int> CodePage::numbers()
{
    return QList<int>(std::begin(kNumbers), std::end(kNumbers));
}

QString CodePage::description() const
{
    static const QHash<int, const char *> names = {{1252, "Western European"},
                                                   {932, "Japanese"},
                                                   {936, "Chinese (Simplified)"},
                                                   {949, "Korean"},
                                                   {950, "Chinese (Traditional)"},
                                                   {1250, "Central European"},
                                                   {1251, "Cyrillic"},
                                                   {1253, "Greek"},
                                                   {1254, "Turkish"},
                                                   {1255, "Hebrew"},
                                                   {1256, "Arabic"},
                                                   {1257, "Baltic"},
                                                   {1258, "Vietnamese"}};
    return QStringLiteral("%1 %2").arg(m_number).arg(QLatin1String(names.value(m_number, "")));
}

QString CodePage::decode(const QByteArray &bytes) const
{
    if (m_number == 1252)
        return decode1252(bytes);
    Converter &c = converter(m_number, true);
    if (c.cd == iconv_t(-1))
        return decode1252(bytes);
    QMutexLocker locker(&c.lock);
    iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    QString out(bytes.size() + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *dst = reinterpret_cast<char *>(out.data());
    size_t outLeft = size_t(out.size()) * 2;
    while (inLeft > 0) {
        if (iconv(c.cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG)
            break; // cannot happen: one byte never gives more than one UTF-16 unit here
        // An undefined byte or a lead byte without its trail: one replacement, go on.
        *reinterpret_cast<char16_t *>(dst) = u'\uFFFD';
        dst += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
        iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv(c.cd, nullptr, nullptr, &dst, &outLeft); // a character held back for a combining mark
    out.truncate(qsizetype((reinterpret_cast<QChar *>(dst) - out.constData())));
    return out;
}

QByteArray CodePage::encode(const QString &text, bool *lossless) const
{
    if (m_number == 1252)
        return encode1252(text, lossless);
    bool ok = true;
    QByteArray out;
    Converter &c = converter(m_number, false);
    if (c.cd == iconv_t(-1))
        return encode1252(text, lossless);
    QMutexLocker locker(&c.lock);
    iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    out.resize(text.size() * 4 + 8);
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.constData()));
    size_t inLeft = size_t(text.size()) * 2;
    char *dst = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(c.cd, &in, &inLeft, &dst, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG)
            break;
        ok = false;
        *dst++ = '?';
        --outLeft;
        // Skip the whole character, both halves of a surrogate pair included.
        const auto unit = *reinterpret_cast<const char16_t *>(in);
        const size_t skip = QChar::isHighSurrogate(unit) && inLeft >= 4 ? 4 : 2;
        in += skip;
        inLeft -= skip;
        iconv(c.cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv(c.cd, nullptr, nullptr, &dst, &outLeft); // a stateful code page ends its sequence
    out.truncate(dst - out.data());
    if (lossless)
        *lossless = ok;
    return out;
}

bool CodePage::canEncode(const QString &text) const
{
    bool lossless = true;
    encode(text, &lossless);
    return lossless;
}

} // namespace vbhost
