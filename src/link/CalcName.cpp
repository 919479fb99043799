#include "link/CalcName.h"

#include "link/CalcCharset.h"

#include <QStringList>

namespace {

std::optional<QByteArray> nameBytes(const QString& part, const QString& what, QString& reason)
{
    if (part.isEmpty()) {
        reason = QStringLiteral("the %1 is empty.").arg(what);
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = textToCalcBytes(part);
    if (!bytes) {
        reason = QStringLiteral("the %1 \"%2\" holds a character the calculator does not have.").arg(what, part);
        return std::nullopt;
    }
    if (bytes->size() > kCalcNameMaxLength) {
        reason = QStringLiteral("the %1 \"%2\" is longer than %3 characters.").arg(what, part).arg(kCalcNameMaxLength);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::optional<CalcNameBytes> calcNameBytes(const QString& fullName, QString& reason)
{
    const QStringList parts = fullName.split(QLatin1Char('\\'));
    if (parts.size() != 2) {
        reason = QStringLiteral("\"%1\" is not a folder name, a backslash and a variable name.").arg(fullName);
        return std::nullopt;
    }
    const QString& folder = parts[0];
    const QString& name = parts[1];
    auto folderBytes = nameBytes(folder, QStringLiteral("folder name"), reason);
    if (!folderBytes)
        return std::nullopt;
    auto variableBytes = nameBytes(name, QStringLiteral("variable name"), reason);
    if (!variableBytes)
        return std::nullopt;
    return CalcNameBytes{*folderBytes, *variableBytes};
}

QString calcFullName(const QByteArray& folder, const QByteArray& name)
{
    return calcBytesToText(folder) + QLatin1Char('\\') + calcBytesToText(name);
}
