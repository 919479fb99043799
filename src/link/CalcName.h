#pragma once
// A variable's full name, "folder\name", as the calculator's own bytes and back.

#include <QByteArray>
#include <QString>

#include <optional>

constexpr int kCalcNameMaxLength = 8;  // calculator characters, for the folder and for the name

struct CalcNameBytes {
    QByteArray folder;
    QByteArray name;
};

// Splits the full name at its first backslash (a name without one has an empty
// folder) and converts both parts to calculator codes. Refuses, with the reason,
// an empty variable name, a part over 8 calculator characters and any character
// the calculators' set lacks: nothing is truncated or replaced.
std::optional<CalcNameBytes> calcNameBytes(const QString& fullName, QString& reason);

// The full name of calculator bytes, their characters shown as Unicode.
QString calcFullName(const QByteArray& folder, const QByteArray& name);
