#pragma once

#include <QString>
#include <exception>

namespace basic {

// The pending run-time error (Basic's Err): what every failing run-time, automation or platform
// call throws.
class Error : public std::exception
{
public:
    Error(qint32 number, QString description)
        : m_number(number), m_description(std::move(description)), m_what(m_description.toUtf8())
    {}

    qint32 number() const { return m_number; }
    const QString &description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    // The fixed failures every participant raises the same way.
    static Error overflow() { return {6, QStringLiteral("Overflow")}; }
    static Error typeMismatch() { return {13, QStringLiteral("Type mismatch")}; }
    static Error objectRequired() { return {424, QStringLiteral("Object required")}; }
    static Error notSet()
    {
        return {91, QStringLiteral("Object variable or With block variable not set")};
    }
    static Error memberNotFound()
    {
        return {438, QStringLiteral("Object doesn't support this property or method")};
    }
    static Error invalidPropertyValue() { return {380, QStringLiteral("Invalid property value")}; }
    static Error propertyNotFound() { return {422, QStringLiteral("Property not found")}; }
    static Error wrongArguments()
    {
        return {450, QStringLiteral("Wrong number of arguments or invalid property assignment")};
    }
    static Error invalidCall() { return {5, QStringLiteral("Invalid procedure call or argument")}; }
    static Error disconnected()
    {
        return {-2147417848, QStringLiteral("Automation error: the object invoked has "
                                            "disconnected from its clients")};
    }
    static Error cancelled() { return {32755, QStringLiteral("Cancel was selected.")}; }

private:
    qint32 m_number;
    QString m_description;
    QByteArray m_what;
};

} // namespace basic
