#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace vbhost {

// The Windows ANSI code page a project's files are written in: 1252 unless the project says
// otherwise. Lines nobody edits keep their bytes; only edited text goes through encode().
class CodePage
{
public:
    CodePage() = default; // 1252
    // nullopt for a number that is not one of numbers().
    static std::optional<CodePage> fromNumber(int number);
    // 1252 first, then 932, 936, 949, 950 and 1250 to 1258.
    static QList<int> numbers();

    int number() const { return m_number; }
    // "936 Chinese (Simplified)", for lists to choose from.
    QString description() const;
    // Bytes the code page does not define decode to U+FFFD.
    QString decode(const QByteArray &bytes) const;
    // Characters the code page lacks become '?'; *lossless (when given) tells whether any did.
    QByteArray encode(const QString &text, bool *lossless = nullptr) const;
    bool canEncode(const QString &text) const;

    bool operator==(const CodePage &other) const { return m_number == other.m_number; }

private:
    explicit CodePage(int number) : m_number(number) {}
    int m_number = 1252;
};

} // namespace vbhost
