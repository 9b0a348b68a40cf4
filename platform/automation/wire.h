#pragma once

#include "error.h"

#include <QString>

namespace automation::wire {

// The names both sides of a peer connection agree on.
inline constexpr char Interface[] = "ole.Automation";
inline constexpr char ErrorName[] = "ole.Error";
inline constexpr char InvokeMethod[] = "Invoke";
inline constexpr char AssignMethod[] = "Assign";
inline constexpr char EnumerateMethod[] = "Enumerate";
inline constexpr char InvokeSignature[] = "sav";
inline constexpr char AssignSignature[] = "savv";
inline constexpr char NothingPath[] = "/";
inline constexpr char ClassFactoryPath[] = "/ClassFactory";
inline constexpr char CreateObjectMember[] = "CreateObject";

// Error replies carry "NUMBER\nDESCRIPTION".
QString errorText(const Error &error);
// Reads an error reply's text; text without a leading number keeps all of it as the description
// under 440, the generic automation error.
Error errorFromText(const QString &text);

// Object path syntax: "/" or "/" followed by non-empty elements of [A-Za-z0-9_] joined by "/".
bool isValidObjectPath(const QString &path);

// The value of a unix socket path inside a D-Bus address, with reserved bytes escaped.
QString escapeAddressValue(const QString &value);

} // namespace automation::wire
