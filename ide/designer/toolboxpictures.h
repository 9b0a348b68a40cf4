#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace vbhost {

// The toolbox's tools in the environment's order: the pointer, then the standard controls
// by class name.
const QStringList &toolboxTools();
constexpr const char *kPointerTool = "Pointer";

// The tool's picture, 24 by 22 pixels at each device pixel ratio asked for, drawn in code in the
// flat sixteen-colour look of the time.
QIcon toolboxIcon(const QString &tool);
void paintToolboxPicture(QPainter &p, const QString &tool);

} // namespace vbhost
