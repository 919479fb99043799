#include "ui/LayoutFonts.h"

#include <QStringList>

namespace {

void substitute(const char* family, const char* first, const char* second)
{
    QFont::insertSubstitutions(QString::fromLatin1(family),
                               QStringList() << QString::fromLatin1(first) << QString::fromLatin1(second));
}

}  // namespace

void installFontSubstitutes()
{
    // DejaVu Sans has every Greek and accented letter of the calculator set.
    substitute("TI92pc", "DejaVu Sans Mono", "DejaVu Sans");
    substitute("MS Sans Serif", "Liberation Sans", "DejaVu Sans");
    substitute("System", "Liberation Sans", "DejaVu Sans");
    substitute("MS Serif", "Liberation Serif", "DejaVu Serif");
    substitute("Times New Roman", "Liberation Serif", "DejaVu Serif");
}

QFont layoutFont(const QString& family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}
