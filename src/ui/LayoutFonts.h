#pragma once
// The fonts the windows name, with substitutes where a font is not installed.

#include <QFont>

// Registers substitutes for "MS Sans Serif", "System", "MS Serif", "Times New Roman" and "TI92pc".
void installFontSubstitutes();
QFont layoutFont(const QString& family, double pointSize, bool bold = true);
