#pragma once

#include "designselection.h"

namespace tolvar {

// Hands the selected controls' own TabIndex values, smallest first, to the controls in reading
// order: rows from top to bottom, each row from left to right. Controls without a TabIndex
// take no part; two or more must remain.
void TabOrderByPosition(const StatusSink &setStatus);

inline const QString SelectTwoText = QStringLiteral("Select two or more controls.");

} // namespace tolvar
