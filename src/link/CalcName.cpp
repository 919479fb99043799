#include "link/CalcName.h"

#include "link/CalcCharset.h"

namespace {

std::optional<QByteArray> nameBytes(const QString& part, const QString& what, QString& reason)
{
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
    const qsizetype slash = fullName.indexOf(QLatin1Char('\\'));
    const QString folder = slash < 0 ? QString() : fullName.left(slash);
    const QString name = slash < 0 ? fullName : fullName.mid(slash + 1);
    if (name.isEmpty()) {
        reason = QStringLiteral("the variable name is empty.");
        return std::nullopt;
    }
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
