#include "files/NameRules.h"

#include "link/CalcCharset.h"

#include <QList>

namespace {

bool inRange(int code, int low, int high)
{
    return code >= low && code <= high;
}

bool isDigit(int code)
{
    return inRange(code, 48, 57);
}

// position counts from 1.
bool passes(int code, int position)
{
    return inRange(code, 65, 90) || inRange(code, 97, 122) || inRange(code, 128, 148)
           || (position > 1 && isDigit(code));
}

// The calculator code of a character, or -1 when the set has none.
int codeOf(char32_t character)
{
    const std::optional<uint8_t> code = calcCode(character);
    return code ? *code : -1;
}

}  // namespace

std::optional<QString> nameProblem(const QString& text, NameField field)
{
    const bool folder = field == NameField::Folder;
    const QString what = folder ? QStringLiteral("Folder Name") : QStringLiteral("Pic Var Name");
    const QList<uint> characters = text.toUcs4();
    if (characters.isEmpty())
        return what + QStringLiteral(" missing.");
    const int first = codeOf(characters.front());
    if (isDigit(first) || (!folder && inRange(first, 234, 239)))
        return QStringLiteral("First character of %1 can't be digit.").arg(what);
    for (int position = 1; position <= characters.size(); ++position) {
        const char32_t character = characters[position - 1];
        if (!passes(codeOf(character), position))
            return QStringLiteral("Invalid character \rin %1: <%2>").arg(what, QString::fromUcs4(&character, 1));
    }
    return std::nullopt;
}

QString nameProblemTitle(NameField field)
{
    return field == NameField::Folder ? QStringLiteral("Folder Name ERROR!") : QStringLiteral("Pic Var ERROR!");
}
