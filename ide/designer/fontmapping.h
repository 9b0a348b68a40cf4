#pragma once

#include <QString>

namespace vbhost {

class ControlNode;

// A font as a form file describes it.
struct FileFont
{
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8.25; // points
    int charset = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    bool operator==(const FileFont &) const = default;
};

// What a form without font properties gets: MS Sans Serif 8.25, which files before version 5
// drew bold.
FileFont defaultFont(const QString &fileVersion);

// The node's font: its BeginProperty Font block or its FontName, FontSize, FontBold,
// FontItalic, FontUnderline and FontStrikethru lines over `inherited`; `inherited` without them.
FileFont readFont(const ControlNode &node, const FileFont &inherited);

// A Windows face translated to an installed one of the same metrics, sized at the designer's
// scale.
struct MappedFont
{
    QString family;
    int pixelSize = 0;  // the em height in pixels
    int cellHeight = 0; // bitmap faces: the line height to match in pixels; 0 for outline faces
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

MappedFont mapFont(const FileFont &font, double twipsPerPixel);

} // namespace vbhost
