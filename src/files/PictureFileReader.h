#pragma once
// The built-in reader: a TI-92 picture file of 240 x 103 cells, taken from
// fixed offsets without testing anything in the file.
//
//   offset 10  folder (8)     offset 18  comment (40)
//   offset 64  variable (8)   offset 92  bitmap: 103 rows of 30 bytes,
//                                        leftmost cell in the high bit, 1 = black

#include "picture/PictureGrid.h"

#include <QByteArray>
#include <QString>

constexpr qint64 kPictureFileMinimumSize = 3182;

struct PictureFileContents {
    QString folder;
    QString comment;
    QString variable;
    PictureGrid grid;
};

// Precondition: bytes holds at least kPictureFileMinimumSize bytes.
PictureFileContents ReadPictureFile(const QByteArray& bytes);

// Reads the first kPictureFileMinimumSize bytes of a file, never more.
// On failure, reason says why in words a user understands.
bool readPictureFileBytes(const QString& path, QByteArray& bytes, QString& reason);
