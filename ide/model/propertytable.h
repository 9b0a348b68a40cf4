#pragma once

#include "ide/files/codepage.h"
#include "platform/automation/value.h"

#include <QList>
#include <QString>

namespace vbhost {

struct PropertyValue;

// How a design-time property is typed, checked and written.
enum class PropertyType {
    Boolean,  // True/False; written -1/0
    Integer,  // whole number in [min, max]; enumerations too
    Long,     // whole number in [min, max]
    Twips,    // position or size; sizes refuse negatives
    String,   // one line of text
    Colour,   // &H00BBGGRR& or a system colour &H800000xx&
    Shortcut, // menu shortcut code 0-79; written ^A, {F1}
    Name,     // an identifier of at most 40 characters
    Index,    // control array index 0-32767
    Raw       // kept as written (fonts, pictures, custom values); read only
};

struct PropertyRule
{
    QString name; // as the class spells it
    PropertyType type = PropertyType::Raw;
    double min = 0;
    double max = 0;
    automation::Value defaultValue;
    bool positive = false; // Twips: sizes cannot be negative
};

// The design-time properties of the control classes vbhost knows. A class it does not know (a
// custom control) gets the properties every control has.
class PropertyTable
{
public:
    static const PropertyTable &instance();

    // "VB.Form", "Form" and "form" are the same class. Null for a class with no table.
    const QList<PropertyRule> *classProperties(const QString &className) const;
    bool isKnownClass(const QString &className) const;
    // The properties of the class, for an unknown class the common ones.
    const QList<PropertyRule> &properties(const QString &className) const;
    // Without regard to case; null when the class has no such property.
    const PropertyRule *find(const QString &className, const QString &name) const;
    // The class name as the table spells it ("Timer"), or the name given when unknown.
    QString canonicalClassName(const QString &className) const;
    // Every class that can be added to a form, for a toolbox.
    QStringList addableClasses() const;

    // The value assignment stores: converted to the property's type, or 380 when refused.
    static automation::Value validate(const PropertyRule &rule, const automation::Value &value,
                                      const CodePage &codePage = {});
    // The text after '=' in the file (comment included for booleans).
    static QString toFileText(const PropertyRule &rule, const automation::Value &value);
    // A value as the file holds it, typed for the property (rule may be null: typed by its look).
    static automation::Value fromFileText(const PropertyRule *rule, const QString &valueText,
                                          const QString &comment = QString());

private:
    PropertyTable();
    struct Data;
    Data *d;
};

// A valid Basic identifier: a letter, then letters, digits and underscores, at most 40.
bool isValidIdentifier(const QString &name);

} // namespace vbhost
