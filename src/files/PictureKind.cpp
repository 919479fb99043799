#include "files/PictureKind.h"

namespace {

bool endsInBmp(const QString& path)
{
    return path.right(3).toLower() == QLatin1String("bmp");
}

}  // namespace

std::optional<CalcKind> pictureKindOfPath(const QString& path)
{
    const QString kind = path.right(3).toUpper();
    if (kind == QLatin1String("92I"))
        return CalcKind::TI92;
    if (kind == QLatin1String("9XI"))
        return CalcKind::TI92Plus;
    if (kind == QLatin1String("V2I"))
        return CalcKind::Voyage200;
    if (kind == QLatin1String("89I"))
        return CalcKind::TI89;
    return std::nullopt;
}

SaveAsTarget saveAsTarget(const QString& chosenPath, int filterIndex)
{
    SaveAsTarget target;
    target.path = chosenPath;
    if (filterIndex == 4 && !endsInBmp(target.path))
        target.path += QLatin1String(".bmp");
    if (endsInBmp(target.path)) {
        target.format = SaveAsTarget::Format::Bitmap;
        return target;
    }
    switch (filterIndex) {
    case 1:
        target.kind = CalcKind::Voyage200;
        break;
    case 2:
        target.kind = CalcKind::TI92Plus;
        break;
    case 3:
        target.kind = CalcKind::TI92;
        break;
    case 5:
        target.kind = CalcKind::TI89;
        break;
    default:
        return target;
    }
    target.format = SaveAsTarget::Format::CalculatorFile;
    return target;
}
