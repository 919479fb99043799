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

// A picture file's entry with what else the file tells about it.
struct PictureFileFacts {
    PictureFileEntry entry;
    QByteArray comment;  // calculator bytes, at most 40
    bool checksumMatches = true;
};

// The extension libtifiles2 knows this model's picture files by: "92i", "9xi", "v2i", "89i".
QString pictureFileExtension(CalcKind kind);

// The picture variable held by the bytes of a picture file read as this model's
// kind. Fails (code and reason set) unless the file holds exactly one variable,
// of the picture type, with a matching checksum; the picture body itself is
// left to decodePictureVariable.
std::optional<PictureFileEntry> parsePictureFile(CalcKind kind, const QByteArray& fileBytes, int& code,
                                                 QString& reason);

// The same, for a file whose checksum may be wrong: checksumMatches tells.
std::optional<PictureFileFacts> readPictureFileFacts(CalcKind kind, const QByteArray& fileBytes, int& code,
                                                     QString& reason);

// Writes a picture file of this model's kind holding the entry into the file at
// path, which it truncates; false, with code and reason, unless all of it got there.
// Precondition: folder and name hold at most 8 bytes each.
bool writePictureFile(CalcKind kind, const PictureFileEntry& entry, const QString& path, int& code, QString& reason);

// libtifiles2's short text for one of its error codes, such as "invalid file".
QString tiFilesErrorText(int code);
