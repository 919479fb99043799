// pixoram-cli convert: images and picture files into pictures, one output an input.
#include "cli/CalcNameOption.h"
#include "cli/CliCommands.h"
#include "cli/CliReport.h"
#include "files/InputPicture.h"
#include "cli/OutputFile.h"

#include <QDir>
#include <QFileInfo>

int runConvert(const CliRequest& request)
{
    const bool batch = !request.outputDir.isEmpty();
    const QString kindText = request.kind.value_or(batch ? QStringLiteral("9xi") : QFileInfo(request.output).suffix());
    const std::optional<OutputKind> kind = outputKindNamed(kindText);
    if (!kind) {
        reportUsage(request.kind ? QStringLiteral("--kind takes 92i, 9xi, v2i, 89i, png, pbm or bmp, not \"%1\"").arg(kindText)
                                 : QStringLiteral("%1: name a format by the extension or --kind").arg(request.output),
                    QStringLiteral("convert"));
        return kCliBadUsage;
    }
    QString reason;
    const std::optional<QString> name = checkedCalcName(request.name.value_or(QLatin1String(kDefaultCalcName)), reason);
    if (!name) {
        reportUsage(QStringLiteral("--name: %1").arg(reason), QStringLiteral("convert"));
        return kCliBadUsage;
    }
    if (batch && !QFileInfo(request.outputDir).isDir()) {
        reportFailure(request.outputDir, QStringLiteral("it is not a folder."));
        return kCliFileFailed;
    }

    int status = kCliSuccess;
    for (const QString& input : request.inputs) {
        const QString output =
            batch ? QDir(request.outputDir).filePath(QFileInfo(input).completeBaseName() + QLatin1Char('.') + kindText)
                  : request.output;
        const std::optional<InputPicture> picture = readInputPicture(input, false, reason);
        if (!picture) {
            reportFailure(input, reason);
            status = kCliFileFailed;
            continue;
        }
        ConversionOptions conversion = request.conversion;
        conversion.area = pictureAreaOf(*kind);
        const PictureGrid grid = convertImage(picture->image, conversion);
        if (!writePicture(output, *kind, grid, *name, request.pbmPlain, reason)) {
            reportFailure(output, reason);
            status = kCliFileFailed;
            continue;
        }
        if (!request.quiet)
            printLine(QStringLiteral("%1 -> %2").arg(input, output));
    }
    return status;
}
