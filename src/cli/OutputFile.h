#pragma once
// pixoram-cli's outputs: calculator picture files, PNG, PBM and BMP, each
// written whole beside its target and only then put in its place.

#include "picture/PictureArea.h"
#include "picture/PictureGrid.h"

#include <QImage>
#include <QString>

#include <optional>

enum class OutputKind { TI92, TI92Plus, Voyage200, TI89, Png, Pbm, Bmp };

// "92i", "9xi", "v2i", "89i", "png", "pbm" or "bmp", in any case; none for anything else.
std::optional<OutputKind> outputKindNamed(const QString& name);

// The kind named by the path's extension.
std::optional<OutputKind> outputKindOfPath(const QString& path);

bool isCalculatorFile(OutputKind kind);

// The picture as a black-and-white image: black cells black, the others white.
QImage pictureImage(const PictureGrid& grid);

// An image of black (RGB 0, 0, 0) and other pixels as the bytes of a 1-bit
// PNG, PBM (plain P1 or raw P4) or BMP. Precondition: not a calculator kind.
QByteArray encodeBlackWhite(const QImage& image, OutputKind kind, bool pbmPlain);

// The cells a picture of that kind holds: a TI-89 file the top-left 159 x 77, any other all.
PictureArea pictureAreaOf(OutputKind kind);

// Writes the picture; a calculator file gets the name fullName ("folder\var").
// False, with the reason, when it cannot be written; any old file stays then.
bool writePicture(const QString& path, OutputKind kind, const PictureGrid& grid, const QString& fullName,
                  bool pbmPlain, QString& reason);

// Writes an image of any size as PNG, PBM or BMP.
bool writeBlackWhiteImage(const QString& path, OutputKind kind, const QImage& image, bool pbmPlain, QString& reason);
