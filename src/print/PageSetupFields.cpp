#include "print/PageSetupFields.h"

#include "picture/PictureGrid.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype skipDigits(const QString& text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// Shortest text that reads back as the same double, at most 15 significant digits.
QString shortestText(double value)
{
    if (value == 0)
        return QStringLiteral("0");  // also for -0
    return QString::number(value, 'g', 15);
}

}  // namespace

double fieldNumber(const QString& text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == QLatin1Char(' ') || text[at] == QLatin1Char('\t')))
        ++at;
    const qsizetype start = at;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-')))
        ++at;
    const qsizetype integerEnd = skipDigits(text, at);
    qsizetype end = integerEnd;
    bool hasDigits = integerEnd > at;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        const qsizetype fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits)
        return 0;
    if (end < text.size() && (text[end] == QLatin1Char('e') || text[end] == QLatin1Char('E'))) {
        qsizetype exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == QLatin1Char('+') || text[exponent] == QLatin1Char('-')))
            ++exponent;
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    QString number = text.mid(start, end - start);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);  // "5." is 5
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    if (std::isinf(value))
        return std::copysign(std::numeric_limits<double>::max(), value);
    return ok ? value : 0;  // not ok and finite: underflow to zero
}

QString limitCorrection(const QString& text, FieldLimit limit)
{
    return fieldNumber(text) < limit.minimum ? QString::fromLatin1(limit.correction) : QString();
}

QString steppedText(const QString& text, double step)
{
    const double value = fieldNumber(text) + step;
    QString digits = shortestText(std::abs(value));
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    return (value < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + digits;
}

QString decimalText(double value)
{
    return shortestText(value);
}

QString decimalText(float value)
{
    return value == 0 ? QStringLiteral("0") : QString::number(value, 'g', 7);
}

QRectF pictureRectangle(double top, double left, double width)
{
    return QRectF(QPointF(left, top), QPointF(left + width, top + width * kRows / kColumns));
}

float singlePrecision(double value)
{
    constexpr double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}
