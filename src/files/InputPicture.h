#pragma once
// A picture file or an image file, as the image import and pixoram-cli read it.

#include "link/CalcModel.h"

#include <QImage>
#include <QString>

#include <optional>

struct InputPicture {
    QImage image;                    // the picture, or the image at its natural size
    QString format;                  // "92i", "9xi", "v2i", "89i", or the image's format ("png", "bmp", ...)
    std::optional<CalcKind> calcKind;  // set for calculator picture files
    QString folder;                  // calculator files only
    QString variable;
    QString comment;
    bool checksumOk = true;
};

// Reads and decodes the file; none, with the reason, when it is missing, not a
// regular file, too large, or neither a calculator picture file nor an image
// import reads. A calculator file with a wrong checksum is refused unless
// acceptWrongChecksum, which info uses to report it.
std::optional<InputPicture> readInputPicture(const QString& path, bool acceptWrongChecksum, QString& reason);
