#pragma once

#include "ide/code/procedures.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vbhost {

// Whether a line of code is an Attribute line, which the code window never shows.
bool isAttributeLine(QStringView line);

// The code of a module as the editor shows it, without its Attribute lines, and the way back.
// Each run of attribute lines stays after the line it followed (a procedure's header, a
// variable's declaration), whatever is edited above, inside or below it:
// - lines the edit left as they were keep their runs;
// - a run whose line was edited goes after the line that now defines the same thing (the same
//   procedure, the same variables), else after the definition of the member it names, else, when
//   the edit changed lines in place, after the line in the same place;
// - module attributes (VB_Ext_KEY and the like) stay near where they were;
// - the run of a member that is gone (its procedure deleted or cut) leaves the file with it, and
//   comes back when the member does (pasted elsewhere, the deletion undone).
// The attribute lines themselves are never changed.
class HiddenAttributes
{
public:
    explicit HiddenAttributes(const QString &code = QString());

    // Starts again from the module's code as it now stands.
    void reset(const QString &code);
    QString visibleText() const { return m_visible.join(u'\n'); }
    const QStringList &visibleLines() const { return m_visible; }
    bool isEmpty() const { return m_groups.isEmpty(); }

    // The module's code for the editor's text, with the attribute lines in their places; the
    // text becomes the new starting point.
    QString merge(const QString &visible);
    // The runs held back because their member is gone.
    int withheldCount() const { return int(m_withheld.size()); }

private:
    struct Group
    {
        int anchor = -1; // index of the visible line it follows; -1: before the first
        QStringList lines;
        QString member;        // "Item" of "Attribute Item.VB_UserMemId = 0"; empty for the module
        Definition definition; // of the statement it follows
    };

    QList<Group> m_groups; // in file order
    QList<Group> m_withheld;
    QStringList m_visible;
};

} // namespace vbhost
