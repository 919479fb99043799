// pixoram-cli snap and send: the calculator's screen into a file, a picture onto the calculator.
#include "cli/CalcNameOption.h"
#include "cli/CliCommands.h"
#include "cli/CliReport.h"
#include "files/InputPicture.h"
#include "cli/OutputFile.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "link/ScreenImage.h"
#include "picture/PictureDefaults.h"
#include "picture/WorkPicture.h"

#include <QFileInfo>

namespace {

// The model's graph area of the screen, read through a work picture exactly as the window's Snap reads it.
PictureGrid graphCells(const QImage& screen, CalcKind model)
{
    QImage work(std::max(screen.width(), kColumns), std::max(screen.height(), kScreenPictureTop + kRows),
                QImage::Format_RGB32);
    showBitmapIn(work, screen);
    PictureGrid grid;
    forEachBlackScreenCell(work, [&grid](int x, int y) { grid.setCell(x, y, 1); }, model);
    return grid;
}

}  // namespace

int runSnap(const CliRequest& request)
{
    const QString kindText = request.kind.value_or(QFileInfo(request.output).suffix());
    const std::optional<OutputKind> kind = outputKindNamed(kindText);
    if (!kind) {
        reportUsage(QStringLiteral("%1: name a format by the extension or --kind").arg(request.output),
                    QStringLiteral("snap"));
        return kCliBadUsage;
    }
    if (request.fullScreen && isCalculatorFile(*kind)) {
        reportUsage(QStringLiteral("--rows full writes png, pbm or bmp: a picture file holds 240 x 103"),
                    QStringLiteral("snap"));
        return kCliBadUsage;
    }
    QString reason;
    const std::optional<QString> name = checkedCalcName(request.name.value_or(QLatin1String(kDefaultCalcName)), reason);
    if (!name) {
        reportUsage(QStringLiteral("--name: %1").arg(reason), QStringLiteral("snap"));
        return kCliBadUsage;
    }

    CalcModel calculator(request.model);
    calculator.SetLink(request.cableCode, request.portName);
    CalcVariable screen;
    screen.SetTypeCode(kPictureVariableTypeCode);
    if (const LinkResult received = calculator.GetScreen(screen); !received.ok()) {
        reportFailure(QStringLiteral("link"), received.message());
        return kCliLinkFailed;
    }
    const bool written = request.fullScreen
                             ? writeBlackWhiteImage(request.output, *kind, screen.GetPicture(), request.pbmPlain, reason)
                             : writePicture(request.output, *kind, graphCells(screen.GetPicture(), request.model), *name,
                                            request.pbmPlain, reason);
    if (!written) {
        reportFailure(request.output, reason);
        return kCliFileFailed;
    }
    if (!request.quiet)
        printLine(QStringLiteral("screen -> %1").arg(request.output));
    return kCliSuccess;
}

int runSend(const CliRequest& request)
{
    QString reason;
    std::optional<QString> name;
    if (request.name) {
        name = checkedCalcName(*request.name, reason);
        if (!name) {
            reportUsage(QStringLiteral("--name: %1").arg(reason), QStringLiteral("send"));
            return kCliBadUsage;
        }
    }
    const QString& path = request.inputs.front();
    const std::optional<InputPicture> picture = readInputPicture(path, false, reason);
    if (!picture) {
        reportFailure(path, reason);
        return kCliFileFailed;
    }
    if (!name)
        name = picture->calcKind ? picture->folder + QLatin1Char('\\') + picture->variable
                                 : QString::fromLatin1(kDefaultCalcName);

    CalcVariable variable;
    variable.SetTypeCode(kPictureVariableTypeCode);
    ConversionOptions conversion = request.conversion;
    conversion.area = pictureAreaOf(request.model);
    variable.SetPicture(pictureImage(convertImage(picture->image, conversion)));
    variable.SetName(*name);
    CalcModel calculator(request.model);
    calculator.SetLink(request.cableCode, request.portName);
    if (const LinkResult sent = calculator.SendVariable(variable); !sent.ok()) {
        reportFailure(QStringLiteral("link"), sent.message());
        return kCliLinkFailed;
    }
    if (!request.quiet)
        printLine(QStringLiteral("%1 -> %2").arg(path, *name));
    return kCliSuccess;
}
