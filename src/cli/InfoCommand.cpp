// pixoram-cli info: what a picture file holds, for people or as JSON.
#include "cli/CliCommands.h"
#include "cli/CliReport.h"
#include "files/InputPicture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int blackCells(const PictureGrid& grid)
{
    int count = 0;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x)
            count += grid.isSet(x, y) ? 1 : 0;
    }
    return count;
}

int blackPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0x00FFFFFF) == 0 ? 1 : 0;
    }
    return count;
}

QString kindDescription(const InputPicture& picture)
{
    if (!picture.calcKind)
        return QStringLiteral("%1 image").arg(picture.format.toUpper());
    switch (*picture.calcKind) {
    case CalcKind::TI92:
        return QStringLiteral("TI-92 picture file");
    case CalcKind::TI92Plus:
        return QStringLiteral("TI-92 Plus picture file");
    case CalcKind::Voyage200:
        return QStringLiteral("Voyage 200 picture file");
    case CalcKind::TI89:
        return QStringLiteral("TI-89 picture file");
    }
    return {};
}

// A calculator file's black pixels as they are; an image's as convert would make them.
int blackCount(const InputPicture& picture)
{
    return picture.calcKind ? blackPixels(picture.image) : blackCells(convertImage(picture.image, {}));
}

QJsonObject jsonOf(const QString& path, const InputPicture& picture)
{
    const auto textOrNull = [&](const QString& text) {
        return picture.calcKind ? QJsonValue(text) : QJsonValue(QJsonValue::Null);
    };
    return {{QStringLiteral("path"), path},
            {QStringLiteral("kind"), picture.format},
            {QStringLiteral("folder"), textOrNull(picture.folder)},
            {QStringLiteral("variable"), textOrNull(picture.variable)},
            {QStringLiteral("comment"), textOrNull(picture.comment)},
            {QStringLiteral("width"), picture.image.width()},
            {QStringLiteral("height"), picture.image.height()},
            {QStringLiteral("checksum_ok"), picture.calcKind ? QJsonValue(picture.checksumOk) : QJsonValue()},
            {QStringLiteral("black_cells"), blackCount(picture)}};
}

void printText(const QString& path, const InputPicture& picture)
{
    printLine(QStringLiteral("%1: %2 (%3)").arg(path, kindDescription(picture), picture.format));
    if (picture.calcKind) {
        printLine(QStringLiteral("  name:     %1\\%2").arg(picture.folder, picture.variable));
        printLine(QStringLiteral("  comment:  %1").arg(picture.comment));
        printLine(QStringLiteral("  checksum: %1").arg(picture.checksumOk ? QStringLiteral("right") : QStringLiteral("wrong")));
    }
    printLine(QStringLiteral("  size:     %1 x %2").arg(picture.image.width()).arg(picture.image.height()));
    printLine(QStringLiteral("  black:    %1 cells%2")
                  .arg(blackCount(picture))
                  .arg(picture.calcKind ? QString() : QStringLiteral(" once converted")));
}

}  // namespace

int runInfo(const CliRequest& request)
{
    int status = kCliSuccess;
    QJsonArray objects;
    for (const QString& path : request.inputs) {
        QString reason;
        const std::optional<InputPicture> picture = readInputPicture(path, true, reason);
        if (!picture) {
            reportFailure(path, reason);
            status = kCliFileFailed;
            continue;
        }
        if (request.json)
            objects.append(jsonOf(path, *picture));
        else
            printText(path, *picture);
    }
    if (request.json)
        printLine(QString::fromUtf8(QJsonDocument(objects).toJson(QJsonDocument::Indented)).trimmed());
    return status;
}
