#pragma once

#include <QString>
#include <functional>

namespace ui {
class Services;
}

namespace tolvar {

class DataControl;

// Copies a subroutine of the library to the clipboard. The members keep the values of the last
// copy, as the tool window shows them.
class SubroutineCopy
{
public:
    QString SearchCriteria;
    qint16 FieldNumber = 0;
    QString FieldName;
    QString CodeText;

    // Finds the record whose ID is the bound value and puts its lines, each ended by a carriage
    // return, on the clipboard. Yields once per line, so a second choice can arrive meanwhile:
    // that one is ignored (returns false). A bound value that matches no record raises 3021
    // "No current record." and leaves the clipboard alone.
    bool CopySubroutine(DataControl &data, const QString &boundValue, ui::Services &services,
                        const std::function<void(const QString &)> &setStatusText);

    bool isCopying() const { return m_copying; }

private:
    bool m_copying = false;
};

inline const QString SubroutineCopiedText = QStringLiteral("Subroutine Copied");

} // namespace tolvar
