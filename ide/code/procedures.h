#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace vbhost {

enum class ProcedureKind { Sub, Function, PropertyGet, PropertyLet, PropertySet };

// "Sub", "Function", "Property Get", ...: as the header spells it.
QString procedureKindText(ProcedureKind kind);

// One procedure of a module, by 0-based line of its code.
struct Procedure
{
    QString name;
    ProcedureKind kind = ProcedureKind::Sub;
    int start = 0;  // its first line: comments right above the header belong to it
    int header = 0; // the header's first line
    int end = 0;    // its End line (the line before the next procedure when that is missing)
};

// What a statement defines: a procedure, variables, a constant, an event or a declared routine.
struct Definition
{
    QString kind; // "Sub", "Function", "Property Get", "Variable", "Const", "Event", "Declare"
    QStringList names;

    bool isEmpty() const { return names.isEmpty(); }
    bool operator==(const Definition &) const = default;
};

// The header of a procedure, or nothing; statement is one logical line (continuations joined).
std::optional<Procedure> parseProcedureHeader(QStringView statement);
Definition definitionOf(QStringView statement);

// The logical line ending at `line`: it and the lines before it that end in " _", joined.
QString statementEndingAt(const QStringList &lines, int line);

// The module's procedures in line order.
QList<Procedure> scanProcedures(const QStringList &lines);
// Index of the procedure holding the line (blank lines after a procedure belong to it), or -1
// for the declarations.
int procedureAt(const QList<Procedure> &procedures, int line);

} // namespace vbhost
