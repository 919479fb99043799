#include "files/InputPicture.h"

#include "files/PictureKind.h"
#include "files/ReadRegularFile.h"
#include "import/ImageLimits.h"
#include "import/ImageRecognition.h"
#include "import/ImportImage.h"
#include "link/CalcCharset.h"
#include "link/PictureFile.h"
#include "link/PictureVariableData.h"


#include <fcntl.h>
#include <unistd.h>

namespace {

// Sends standard error to /dev/null while it lives: libpng prints its errors
// there itself, past any handler of ours, and the line of ours says it better.
class SilencedStandardError {
public:
    SilencedStandardError() : saved_(dup(STDERR_FILENO))
    {
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~SilencedStandardError()
    {
        if (saved_ >= 0) {
            dup2(saved_, STDERR_FILENO);
            close(saved_);
        }
    }
    SilencedStandardError(const SilencedStandardError&) = delete;
    SilencedStandardError& operator=(const SilencedStandardError&) = delete;

private:
    int saved_;
};

// A calculator picture file is known by its extension, or, without one, by its signature.
std::optional<CalcKind> calcKindOf(const QString& path, const QByteArray& bytes)
{
    if (const std::optional<CalcKind> kind = pictureKindOfPath(path))
        return kind;
    if (bytes.startsWith("**TI92**"))
        return CalcKind::TI92;
    if (bytes.startsWith("**TI92P*"))
        return CalcKind::TI92Plus;
    if (bytes.startsWith("**TI89**"))
        return CalcKind::TI89;
    return std::nullopt;
}

QString imageFormatName(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Bitmap:
        return QStringLiteral("bmp");
    case ImageKind::Icon:
        return QStringLiteral("ico");
    case ImageKind::Jpeg:
        return QStringLiteral("jpeg");
    case ImageKind::Gif:
        return QStringLiteral("gif");
    case ImageKind::Png:
        return QStringLiteral("png");
    case ImageKind::Metafile:
        return QStringLiteral("wmf");
    case ImageKind::Unknown:
        break;
    }
    return {};
}

std::optional<InputPicture> readCalcFile(CalcKind kind, const QByteArray& bytes, bool acceptWrongChecksum,
                                         QString& reason)
{
    int code = 0;
    const std::optional<PictureFileFacts> facts = readPictureFileFacts(kind, bytes, code, reason);
    if (!facts)
        return std::nullopt;
    if (!facts->checksumMatches && !acceptWrongChecksum) {
        reason = QStringLiteral("the file is damaged: its checksum does not match its contents.");
        return std::nullopt;
    }
    const PictureFileEntry* entry = &facts->entry;
    QString pictureReason;
    const std::optional<QImage> picture = decodePictureVariable(entry->data, pictureReason);
    if (!picture) {
        reason = QStringLiteral("the picture in the file is damaged: %1.").arg(pictureReason);
        return std::nullopt;
    }
    InputPicture input;
    input.image = *picture;
    input.format = pictureFileExtension(kind);
    input.calcKind = kind;
    input.folder = calcBytesToText(entry->folder);
    input.variable = calcBytesToText(entry->name);
    input.comment = calcBytesToText(facts->comment);
    input.checksumOk = facts->checksumMatches;
    return input;
}

}  // namespace

std::optional<InputPicture> readInputPicture(const QString& path, bool acceptWrongChecksum, QString& reason)
{
    QByteArray bytes;
    if (!readRegularFile(path, kMaxImportFileBytes + 1, bytes, reason))
        return std::nullopt;
    if (bytes.size() > kMaxImportFileBytes) {
        reason = QStringLiteral("the file is too large (at most %1 bytes).").arg(kMaxImportFileBytes);
        return std::nullopt;
    }

    if (const std::optional<CalcKind> kind = calcKindOf(path, bytes))
        return readCalcFile(*kind, bytes, acceptWrongChecksum, reason);

    const ImageKind kind = recogniseImage(bytes);
    if (kind == ImageKind::Unknown) {
        reason = QStringLiteral("it is neither a calculator picture file nor an image this program reads.");
        return std::nullopt;
    }
    std::optional<QImage> image;
    {
        const SilencedStandardError silence;
        image = decodeImportImage(bytes);
    }
    if (!image) {
        reason = QStringLiteral("the %1 image is damaged, or larger than %2 pixels a side or %3 pixels in all.")
                     .arg(imageFormatName(kind).toUpper())
                     .arg(kMaxImageSide)
                     .arg(kMaxImagePixels);
        return std::nullopt;
    }
    InputPicture input;
    input.image = std::move(*image);
    input.format = imageFormatName(kind);
    return input;
}
