#pragma once
// The calculator's rules for folder and variable names, on each character's calculator code.

#include <QString>

#include <optional>

enum class NameField { Folder, Variable };

// The message that says why the text is not a name of that field, or none when
// it is one. Letters (65-90, 97-122) and the Greek block (128-148) pass
// anywhere, digits (48-57) from the second character on; a variable name may
// not start with 234-239 either. A character without a calculator code is invalid.
std::optional<QString> nameProblem(const QString& text, NameField field);

// The title of the message box for a name of that field.
QString nameProblemTitle(NameField field);
