#pragma once
// Runs the built pixoram-cli as a script would: no display, no Qt platform.

#include "import/ImageConversion.h"

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QStringList>

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
    // The lines of standard error.
    QList<QByteArray> errorLines() const;
};

CliRun runCli(const QStringList& arguments);

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// The cells of a black-and-white image's top-left 240 x 103 pixels; pixels past its edge are white.
PictureGrid cellsOfImage(const QImage& image);

Q_DECLARE_METATYPE(ConversionOptions)
