#include "draw/CellPositionText.h"

namespace {

// A number with its sign's place kept: a blank for 0 and above, "-" below.
QString signedNumber(int16_t n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

}  // namespace

QString cellPositionText(int16_t column, int16_t row)
{
    return QLatin1Char('(') + signedNumber(column) + QStringLiteral(", ") + signedNumber(row) + QLatin1Char(')');
}
