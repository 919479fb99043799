#pragma once
// The TI-92 family's 8-bit character set: calculator codes and the Unicode
// characters they show as.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The text of a fixed-width field of calculator bytes; a zero byte ends it.
QString calcBytesToText(const QByteArray& bytes);

// The calculator code (1 to 255) of one character, or none when the set has no such character.
std::optional<uint8_t> calcCode(char32_t character);

// Each character's calculator code, or none when any character has no code.
std::optional<QByteArray> textToCalcBytes(const QString& text);
