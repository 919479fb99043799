#include "link/CalcFullName.h"

#include "link/CalcCharset.h"

#include <QStringList>

namespace {

std::optional<QByteArray> namePart(const QString& text, const char* what, QString& reason)
{
    const auto bytes = textToCalcBytes(text);
    if (!bytes) {
        reason = QStringLiteral("the %1 name \"%2\" has a character the calculator does not have").arg(what, text);
        return std::nullopt;
    }
    if (bytes->isEmpty() || bytes->size() > kMaxCalcNameLength) {
        reason = QStringLiteral("the %1 name \"%2\" must have 1 to %3 characters").arg(what, text).arg(kMaxCalcNameLength);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<CalcFullName> calcFullName(const QString& fullName, QString& reason)
{
    const QStringList parts = fullName.split(QLatin1Char('\\'));
    if (parts.size() != 2) {
        reason = QStringLiteral("the name \"%1\" is not folder\\variable").arg(fullName);
        return std::nullopt;
    }
    const auto folder = namePart(parts[0], "folder", reason);
    if (!folder)
        return std::nullopt;
    const auto variable = namePart(parts[1], "variable", reason);
    if (!variable)
        return std::nullopt;
    return CalcFullName{*folder, *variable};
}
