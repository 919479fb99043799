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

// Splits the full name at its backslash and converts both parts to calculator
// codes. Refuses, with the reason, anything but exactly one backslash between
// two names of 1 to 8 calculator characters: the link library would cut longer
// names short without a word, so nothing is truncated or replaced here.
std::optional<CalcNameBytes> calcNameBytes(const QString& fullName, QString& reason);

// The full name of calculator bytes, their characters shown as Unicode.
QString calcFullName(const QByteArray& folder, const QByteArray& name);
