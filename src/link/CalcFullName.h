#pragma once
// A calculator variable's full name, "folder\variable", as the calculator's own bytes.

#include <QByteArray>
#include <QString>

#include <optional>

struct CalcFullName {
    QByteArray folder;    // 1 to 8 calculator bytes
    QByteArray variable;  // 1 to 8 calculator bytes
};

constexpr int kMaxCalcNameLength = 8;

// The two parts of fullName in calculator bytes, or none with the reason when
// it is not exactly one backslash between two names of 1 to 8 characters that
// all exist in the calculator's character set. The link library would cut
// longer names short without a word, so they never reach it.
std::optional<CalcFullName> calcFullName(const QString& fullName, QString& reason);
