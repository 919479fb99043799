#include "link/CalcCharset.h"

#include "link/TiLibs.h"

#include <QHash>

namespace {

const QHash<char32_t, uint8_t>& codesByCharacter()
{
    static const QHash<char32_t, uint8_t> codes = [] {
        QHash<char32_t, uint8_t> table;
        // Where two codes share a character, the lower code wins.
        for (int code = 255; code >= 1; --code)
            table.insert(static_cast<char32_t>(ti9x_charset[code]), static_cast<uint8_t>(code));
        return table;
    }();
    return codes;
}

}  // namespace

QString calcBytesToText(const QByteArray& bytes)
{
    QString text;
    for (char byte : bytes) {
        const auto code = static_cast<uint8_t>(byte);
        if (code == 0)
            break;
        const char32_t character = static_cast<char32_t>(ti9x_charset[code]);
        text += QString::fromUcs4(&character, 1);
    }
    return text;
}

std::optional<uint8_t> calcCode(char32_t character)
{
    const auto& codes = codesByCharacter();
    const auto found = codes.constFind(character);
    if (found == codes.constEnd())
        return std::nullopt;
    return *found;
}

std::optional<QByteArray> textToCalcBytes(const QString& text)
{
    QByteArray bytes;
    for (char32_t character : text.toUcs4()) {
        const auto code = calcCode(character);
        if (!code)
            return std::nullopt;
        bytes.append(static_cast<char>(*code));
    }
    return bytes;
}
