// The file half of the model objects: picture files read into and written from a variable.
#include "link/CalcModel.h"

#include "files/ReadRegularFile.h"
#include "files/ReplaceFile.h"
#include "link/CalcName.h"
#include "link/CalcVariable.h"
#include "link/PictureFile.h"
#include "link/PictureVariableData.h"


namespace {

// No picture file comes near this; anything larger is not read into memory.
constexpr qint64 kLargestPictureFile = 1 << 20;

bool readWholeFile(const QString& path, QByteArray& bytes, QString& reason)
{
    if (!readRegularFile(path, kLargestPictureFile + 1, bytes, reason))
        return false;
    if (bytes.size() > kLargestPictureFile) {
        reason = QStringLiteral("the file is too large to be a picture file.");
        return false;
    }
    return true;
}


}  // namespace

LinkResult CalcModel::ReadFile(CalcVariable& variable)
{
    QByteArray bytes;
    QString reason;
    if (!readWholeFile(variable.fileName(), bytes, reason))
        return LinkResult::failure(TiFilesError::CannotOpen, reason);
    int code = 0;
    const std::optional<PictureFileEntry> entry = parsePictureFile(kind_, bytes, code, reason);
    if (!entry)
        return LinkResult::failure(code, reason);
    const std::optional<QImage> picture = decodePictureVariable(entry->data, reason);
    if (!picture)
        return LinkResult::failure(TiFilesError::InvalidFile, QStringLiteral("the picture in the file is damaged: %1").arg(reason));
    variable.SetName(calcFullName(entry->folder, entry->name));
    variable.SetPicture(*picture);
    return LinkResult::success();
}

LinkResult CalcModel::WriteFile(CalcVariable& variable)
{
    QString reason;
    const std::optional<CalcNameBytes> name = calcNameBytes(variable.GetName(), reason);
    if (!name)
        return LinkResult::failure(TiFilesError::FileIo, QStringLiteral("the calculator name cannot be used: %1").arg(reason));
    if (variable.GetPicture().isNull())
        return LinkResult::failure(TiFilesError::FileIo, QStringLiteral("there is no picture to write."));
    if (variable.fileName().isEmpty())
        return LinkResult::failure(TiFilesError::CannotOpen, QStringLiteral("no file name was given."));
    // The file is written straight into the temporary file that replaces the old one.
    const PictureFileEntry entry{name->folder, name->name, encodePictureVariable(variable.GetPicture(), pictureAreaOf(kind_))};
    int code = TiFilesError::CannotOpen;
    const bool written = replaceFile(
        variable.fileName(),
        [&](const QString& path, QString& why) { return writePictureFile(kind_, entry, path, code, why); },
        reason);
    if (!written)
        return LinkResult::failure(code != 0 ? code : TiFilesError::CannotOpen, reason);
    return LinkResult::success();
}
