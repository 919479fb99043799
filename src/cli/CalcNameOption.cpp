#include "cli/CalcNameOption.h"

#include "files/NameRules.h"

#include <QStringList>

std::optional<QString> checkedCalcName(const QString& text, QString& reason)
{
    const QStringList parts = text.split(QLatin1Char('\\'));
    if (parts.size() != 2) {
        reason = QStringLiteral("\"%1\" is not FOLDER\\VAR").arg(text);
        return std::nullopt;
    }
    // The window's checks show the variable's problem first; so does this.
    for (const auto& [part, field] : {std::pair{parts[1], NameField::Variable}, std::pair{parts[0], NameField::Folder}}) {
        if (std::optional<QString> problem = nameProblem(part, field)) {
            // The window's message breaks its line with a lone carriage return.
            reason = problem->remove(QLatin1Char('\r'));
            return std::nullopt;
        }
        if (part.size() > 8) {
            reason = QStringLiteral("\"%1\" is longer than 8 characters").arg(part);
            return std::nullopt;
        }
    }
    return text;
}
