#pragma once
// The calculator name a command gives its picture: --name, checked with the editor's name rules.

#include <QString>

#include <optional>

constexpr const char* kDefaultCalcName = "main\\picture";

// The name "folder\var", or none with the reason when the text is not one the calculator takes.
std::optional<QString> checkedCalcName(const QString& text, QString& reason);
