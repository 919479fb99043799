#pragma once
// Calculator picture files as bytes, through libtifiles2: one picture variable a file.

#include "link/CalcModel.h"

#include <QByteArray>
#include <QString>

#include <optional>

// libtifiles2's own error codes, which no installed header names.
namespace TiFilesError {
constexpr int CannotOpen = 513;
constexpr int InvalidFile = 517;
constexpr int FileIo = 522;
}  // namespace TiFilesError

// The one variable of a picture file: folder and name as calculator bytes,
// data as PictureVariableData.h lays it out.
struct PictureFileEntry {
    QByteArray folder;
    QByteArray name;
    QByteArray data;
};

// The extension libtifiles2 knows this model's picture files by: "92i", "9xi", "v2i", "89i".
QString pictureFileExtension(CalcKind kind);

// The picture variable held by the bytes of a picture file read as this model's
// kind. Fails (code and reason set) unless the file holds exactly one variable,
// of the picture type, with a matching checksum; the picture body itself is
// left to decodePictureVariable.
std::optional<PictureFileEntry> parsePictureFile(CalcKind kind, const QByteArray& fileBytes, int& code,
                                                 QString& reason);

// The bytes of a picture file of this model's kind holding the entry.
// Precondition: folder and name hold at most 8 bytes each.
std::optional<QByteArray> buildPictureFile(CalcKind kind, const PictureFileEntry& entry, int& code, QString& reason);

// libtifiles2's short text for one of its error codes, such as "invalid file".
QString tiFilesErrorText(int code);
