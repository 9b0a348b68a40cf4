#pragma once

#include <QString>
#include <optional>

namespace vbhost {

// A property value as written after "Name = " in a form file, decoded.
struct PropertyValue
{
    enum class Kind {
        Empty,  // nothing after '='
        String, // "text" with doubled quotes inside
        Number, // 120, -1, 1.5, 2.5E+02
        Colour, // &H00FFFFFF& (also &HFF&, &H80000005&)
        FrxRef, // "Form1.frx":0000 or $"Form1.frx":0000, kept in the binary side file
        Other   // anything else (ScaleMode names, ^A shortcuts, GUIDs): kept as text
    };
    Kind kind = Kind::Empty;
    QString text;       // String: the text unquoted; Other/Number/Colour: the value as written
    double number = 0;  // Number
    quint32 colour = 0; // Colour
    QString frxFile;    // FrxRef
    quint32 frxOffset = 0;
    bool frxDollar = false; // FrxRef written with the leading '$' (long text kept in the frx)
};

// Parses the value text of a property line (after '=', trailing comment already removed).
PropertyValue parsePropertyValue(const QString &valueText);

// Splits what follows '=' into the value and a trailing "'comment" (as in `1  'True`),
// respecting quotes. The value comes back trimmed, the comment without its quote mark.
void splitValueAndComment(const QString &afterEquals, QString *value, QString *comment);

// "text" with inner quotes doubled, and back. unquote gives nullopt for text that is not one
// well-formed quoted string.
QString quoteString(const QString &text);
std::optional<QString> unquoteString(const QString &valueText);

// Numbers as the files hold them: "C" locale, no exponent for whole numbers.
std::optional<double> parseNumber(const QString &valueText);
QString formatNumber(double value);

// Booleans are -1 (True) and 0 (False); "True"/"False" are read too.
std::optional<bool> parseBoolean(const QString &valueText);
QString formatBoolean(bool value);

// Colours: &H00BBGGRR& with eight upper-case hex digits; shorter forms are read.
std::optional<quint32> parseColour(const QString &valueText);
QString formatColour(quint32 value);

// Menu shortcuts: the number the object model uses and the text the file holds.
//   1-26 ^A..^Z, 27-38 {F1}..{F12}, 39-50 ^{F1}..^{F12}, 51-62 +{F1}..+{F12},
//   63-74 +^{F1}..+^{F12}, 75 ^{INSERT}, 76 +{INSERT}, 77 {DEL}, 78 +{DEL}, 79 %{BKSP}.
// 0 means no shortcut (no Shortcut line, or an empty text). Unknown numbers and texts give
// nullopt.
std::optional<int> shortcutFromText(const QString &fileText);
std::optional<QString> shortcutToText(int code);

} // namespace vbhost
