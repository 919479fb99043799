#pragma once
// The cell under the mouse as the status bar shows it: "( 12,  40)", "(-1,  5)".

#include <QString>

#include <cstdint>

QString cellPositionText(int16_t column, int16_t row);
