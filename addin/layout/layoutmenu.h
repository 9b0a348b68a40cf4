#pragma once

#include "designselection.h"

#include <QStringList>

namespace tolvar {

// The tool window's Layout menu: its caption and its items' captions, in order; an item's place
// is its index in the `mnulay` array.
inline const QString LayoutMenuCaption = QStringLiteral("&Layout");
inline const QStringList LayoutMenuItems{
    QStringLiteral("Space Equally &Across"), QStringLiteral("Space Equally &Down"),
    QStringLiteral("Centre &Horizontally in Form"), QStringLiteral("Centre &Vertically in Form"),
    QStringLiteral("&Tab Order by Position")};

// Runs the item's tool; what it needs but lacks goes to setStatus, which is cleared first.
void LayoutMenuClick(qint16 index, const StatusSink &setStatus);

} // namespace tolvar
