#include "cli/OutputFile.h"

#include "files/ReplaceFile.h"
#include "link/CalcModel.h"
#include "link/CalcVariable.h"
#include "picture/PictureDefaults.h"
#include "picture/WorkPicture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

namespace {

bool isBlack(QRgb pixel)
{
    return (pixel & 0x00FFFFFF) == 0;
}

QByteArray encodePbm(const QImage& image, bool plain)
{
    QByteArray bytes = QByteArray(plain ? "P1\n" : "P4\n") + QByteArray::number(image.width()) + ' '
                       + QByteArray::number(image.height()) + '\n';
    for (int y = 0; y < image.height(); ++y) {
        if (plain) {
            // Digits apart, as some readers take a run of digits for one number;
            // 32 a line keeps lines under 70 characters.
            for (int x = 0; x < image.width(); ++x)
                bytes += QByteArray(isBlack(image.pixel(x, y)) ? "1" : "0") + ((x + 1) % 32 == 0 ? '\n' : ' ');
            if (image.width() % 32 != 0)
                bytes += '\n';
            continue;
        }
        for (int x = 0; x < image.width(); x += 8) {
            uint8_t value = 0;
            for (int bit = 0; bit < 8 && x + bit < image.width(); ++bit) {
                if (isBlack(image.pixel(x + bit, y)))
                    value |= uint8_t(0x80 >> bit);
            }
            bytes += char(value);
        }
    }
    return bytes;
}

}  // namespace

std::optional<OutputKind> outputKindNamed(const QString& name)
{
    const QString lower = name.toLower();
    if (lower == QLatin1String("92i"))
        return OutputKind::TI92;
    if (lower == QLatin1String("9xi"))
        return OutputKind::TI92Plus;
    if (lower == QLatin1String("v2i"))
        return OutputKind::Voyage200;
    if (lower == QLatin1String("89i"))
        return OutputKind::TI89;
    if (lower == QLatin1String("png"))
        return OutputKind::Png;
    if (lower == QLatin1String("pbm"))
        return OutputKind::Pbm;
    if (lower == QLatin1String("bmp"))
        return OutputKind::Bmp;
    return std::nullopt;
}

std::optional<OutputKind> outputKindOfPath(const QString& path)
{
    return outputKindNamed(QFileInfo(path).suffix());
}

bool isCalculatorFile(OutputKind kind)
{
    return kind == OutputKind::TI92 || kind == OutputKind::TI92Plus || kind == OutputKind::Voyage200
           || kind == OutputKind::TI89;
}

PictureArea pictureAreaOf(OutputKind kind)
{
    return kind == OutputKind::TI89 ? kTI89PictureArea : kWholeGrid;
}

QImage pictureImage(const PictureGrid& grid)
{
    QImage image(kColumns, kRows, QImage::Format_RGB32);
    drawGridInto(image, grid);
    return image;
}

QByteArray encodeBlackWhite(const QImage& image, OutputKind kind, bool pbmPlain)
{
    if (kind == OutputKind::Pbm)
        return encodePbm(image, pbmPlain);
    // One bit a pixel: a two-colour palette, white 0 and black 1.
    QImage mono(image.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mono.fill(0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isBlack(image.pixel(x, y)))
                mono.setPixel(x, y, 1);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, kind == OutputKind::Png ? "png" : "bmp");
    writer.write(mono);
    return bytes;
}

bool writeBlackWhiteImage(const QString& path, OutputKind kind, const QImage& image, bool pbmPlain, QString& reason)
{
    return replaceFile(path, encodeBlackWhite(image, kind, pbmPlain), reason);
}

bool writePicture(const QString& path, OutputKind kind, const PictureGrid& grid, const QString& fullName,
                  bool pbmPlain, QString& reason)
{
    if (!isCalculatorFile(kind))
        return writeBlackWhiteImage(path, kind, pictureImage(grid), pbmPlain, reason);
    CalcModel model(kind == OutputKind::TI92       ? CalcKind::TI92
                    : kind == OutputKind::TI92Plus ? CalcKind::TI92Plus
                    : kind == OutputKind::TI89     ? CalcKind::TI89
                                                   : CalcKind::Voyage200);
    CalcVariable variable;
    variable.SetTypeCode(kPictureVariableTypeCode);
    variable.SetName(fullName);
    variable.SetFileName(path);
    variable.SetPicture(pictureImage(grid));
    const LinkResult written = model.WriteFile(variable);
    reason = written.message();
    return written.ok();
}
