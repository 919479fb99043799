#pragma once
// The page setup window's field rules: a field's number, its lower limit, the texts written into it,
// and the rectangle the preview shows. No window needed.

#include <QRectF>
#include <QString>

// The leading numeric part of a field's text: leading blanks skipped, then an optional sign, digits
// with an optional point and an optional exponent ("1.5in" reads 1.5). Text that starts with no
// number reads 0 ("abc", ""). Numbers too large for a double read as the largest one.
double fieldNumber(const QString& text);

// The smallest number a field accepts and the text it is set to when its number lies below.
struct FieldLimit {
    double minimum;
    const char* correction;
};
inline constexpr FieldLimit kMarginLimit{0.0, "0"};    // top and left margins
inline constexpr FieldLimit kWidthLimit{0.1, "0.1"};   // image width

// The text a field is corrected to, or an empty string when its text is within the limit.
QString limitCorrection(const QString& text, FieldLimit limit);

// The field's number moved by step (an arrow's +0.1 or -0.1), written in the short form: a blank
// or a minus sign, then the digits with no zero before the point (" 1.1", " .1", "-.1").
QString steppedText(const QString& text, double step);
inline constexpr double kArrowStep = 0.1;

// A stored value as plain decimal text (1 as "1", 1.5 as "1.5"); a 32-bit value keeps the digits
// it holds ("1.1", not "1.10000002384186").
QString decimalText(double value);
QString decimalText(float value);

// The printed picture's rectangle on the page, in inches from the page's top-left corner.
QRectF pictureRectangle(double top, double left, double width);

// The number as a 32-bit float, the largest one where it does not fit.
float singlePrecision(double value);
