#include "ImageFiles.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <algorithm>

namespace {

void put16(QByteArray& bytes, int value)
{
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& bytes, quint32 value)
{
    put16(bytes, int(value & 0xFFFF));
    put16(bytes, int(value >> 16));
}

QRgb colourOf(QChar c)
{
    switch (c.toLatin1()) {
    case 'X':
    case 'T':
        return qRgb(0, 0, 0);
    case 'G':
        return qRgb(1, 1, 1);
    case 'H':
        return qRgba(0, 0, 0, 128);
    default:
        return qRgb(255, 255, 255);
    }
}

// Palette shared by the bitmaps of 8 bits or fewer: white, black, near-black.
int paletteIndex(QChar c)
{
    return c == u'.' ? 0 : c == u'G' ? 2 : 1;
}
constexpr QRgb kPalette[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(1, 1, 1)};

void padTo4(QByteArray& bytes, int start)
{
    while ((bytes.size() - start) % 4)
        bytes.append('\0');
}

// A bottom-up row of pixels in the given uncompressed layout.
QByteArray pixelRow(const QString& row, int bits)
{
    QByteArray bytes;
    if (bits <= 8) {
        int accumulator = 0, filled = 0;
        for (QChar c : row) {
            accumulator = (accumulator << bits) | paletteIndex(c);
            filled += bits;
            if (filled == 8) {
                bytes.append(char(accumulator));
                accumulator = filled = 0;
            }
        }
        if (filled)
            bytes.append(char(accumulator << (8 - filled)));
    } else {
        for (QChar c : row) {
            const QRgb rgb = colourOf(c);
            if (bits == 16) {
                // Five bits a channel: a near-black channel keeps its lowest step.
                const auto five = [](int channel) { return channel == 0 ? 0 : std::max(1, channel >> 3); };
                put16(bytes, five(qRed(rgb)) << 10 | five(qGreen(rgb)) << 5 | five(qBlue(rgb)));
            } else {
                bytes.append(char(qBlue(rgb))).append(char(qGreen(rgb))).append(char(qRed(rgb)));
                if (bits == 32)
                    bytes.append(char(qAlpha(rgb)));
            }
        }
    }
    padTo4(bytes, 0);
    return bytes;
}

// Runs of one pixel on even rows, literal groups on odd rows, so both codes appear.
QByteArray runLengthRows(const QStringList& rows, BitmapCompression compression)
{
    const bool four = compression == BitmapCompression::Rle4;
    QByteArray bytes;
    for (int r = rows.size() - 1; r >= 0; --r) {
        const QString& row = rows[r];
        if (r % 2 == 0 || row.size() < 3) {
            for (QChar c : row)
                bytes.append('\1').append(char(four ? paletteIndex(c) << 4 : paletteIndex(c)));
        } else {
            bytes.append('\0').append(char(row.size()));
            const int start = bytes.size();
            for (int i = 0; i < row.size(); ++i) {
                if (!four)
                    bytes.append(char(paletteIndex(row[i])));
                else if (i % 2 == 0)
                    bytes.append(char(paletteIndex(row[i]) << 4));
                else
                    bytes[bytes.size() - 1] = char(bytes.back() | paletteIndex(row[i]));
            }
            if ((bytes.size() - start) % 2)
                bytes.append('\0');
        }
        bytes.append('\0').append('\0');
    }
    bytes.append('\0').append('\1');
    return bytes;
}

}  // namespace

QByteArray bitmapFile(const QStringList& rows, int bits, BitmapCompression compression)
{
    const int width = int(rows.first().size());
    const int height = int(rows.size());
    const int colours = bits == 1 ? 2 : bits <= 8 ? 3 : 0;
    QByteArray pixels;
    if (compression == BitmapCompression::None) {
        for (int r = height - 1; r >= 0; --r)
            pixels += pixelRow(rows[r], bits);
    } else {
        pixels = runLengthRows(rows, compression);
    }
    const int offset = 14 + 40 + colours * 4;
    QByteArray file("BM");
    put32(file, quint32(offset + pixels.size()));
    put32(file, 0);
    put32(file, quint32(offset));
    put32(file, 40);
    put32(file, quint32(width));
    put32(file, quint32(height));
    put16(file, 1);
    put16(file, bits);
    put32(file, compression == BitmapCompression::Rle8 ? 1 : compression == BitmapCompression::Rle4 ? 2 : 0);
    put32(file, quint32(pixels.size()));
    put32(file, 2835);
    put32(file, 2835);
    put32(file, quint32(colours));
    put32(file, 0);
    for (int i = 0; i < colours; ++i)
        put32(file, kPalette[i] & 0xFFFFFF);
    return file + pixels;
}

QByteArray iconFile(const QList<IconPicture>& images)
{
    QByteArray directory;
    put16(directory, 0);
    put16(directory, 1);
    put16(directory, int(images.size()));
    QByteArray data;
    const int dataStart = 6 + 16 * int(images.size());
    for (const IconPicture& image : images) {
        const int width = int(image.rows.first().size());
        const int height = int(image.rows.size());
        const int colours = image.bits == 8 ? 3 : 0;
        QByteArray entry;
        put32(entry, 40);
        put32(entry, quint32(width));
        put32(entry, quint32(height * 2));
        put16(entry, 1);
        put16(entry, image.bits);
        put32(entry, 0);
        put32(entry, 0);
        put32(entry, 0);
        put32(entry, 0);
        put32(entry, quint32(colours));
        put32(entry, 0);
        for (int i = 0; i < colours; ++i)
            put32(entry, kPalette[i] & 0xFFFFFF);
        for (int r = height - 1; r >= 0; --r) {
            QString row = image.rows[r];
            if (image.bits == 32) {
                // Alpha stands in for the mask: transparent 'T' and half 'H' keep a black colour.
                QByteArray bytes;
                for (QChar c : row) {
                    const QRgb rgb = c == u'T' ? qRgba(0, 0, 0, 0) : colourOf(c);
                    bytes.append(char(qBlue(rgb))).append(char(qGreen(rgb))).append(char(qRed(rgb)));
                    bytes.append(char(qAlpha(rgb)));
                }
                entry += bytes;
            } else {
                entry += pixelRow(row, image.bits);
            }
        }
        for (int r = height - 1; r >= 0; --r) {
            QString mask;
            for (QChar c : image.rows[r])
                mask += (c == u'T' && image.bits != 32) ? u'X' : u'.';
            entry += pixelRow(mask, 1);
        }
        put16(directory, width);  // width and height, one byte each
        directory[directory.size() - 1] = char(height);
        put16(directory, 0);
        put16(directory, 1);
        put16(directory, image.bits);
        put32(directory, quint32(entry.size()));
        put32(directory, quint32(dataStart + data.size()));
        data += entry;
    }
    return directory + data;
}

QByteArray gifFile(const QStringList& firstFrame, int furtherFrames)
{
    const int width = int(firstFrame.first().size());
    const int height = int(firstFrame.size());
    QByteArray file("GIF89a");
    put16(file, width);
    put16(file, height);
    file.append(char(0x81)).append('\0').append('\0');  // global table of 4 colours
    for (QRgb rgb : {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(1, 1, 1)})
        file.append(char(qRed(rgb))).append(char(qGreen(rgb))).append(char(qBlue(rgb)));
    for (int frame = 0; frame <= furtherFrames; ++frame) {
        // Graphic control: colour 2 is transparent.
        file.append("\x21\xF9\x04\x01\x00\x00\x02\x00", 8);
        file.append(',');
        put16(file, 0);
        put16(file, 0);
        put16(file, width);
        put16(file, height);
        file.append('\0');
        // LZW with 3-bit codes: a clear code before every pixel keeps the table from growing.
        QByteArray codes;
        quint32 accumulator = 0;
        int filled = 0;
        const auto putCode = [&](int code) {
            accumulator |= quint32(code) << filled;
            filled += 3;
            while (filled >= 8) {
                codes.append(char(accumulator & 0xFF));
                accumulator >>= 8;
                filled -= 8;
            }
        };
        for (const QString& row : firstFrame) {
            for (QChar c : row) {
                putCode(4);
                putCode(frame > 0 ? 1 : c == u'T' ? 2 : c == u'.' ? 0 : c == u'G' ? 3 : 1);
            }
        }
        putCode(5);
        if (filled)
            codes.append(char(accumulator & 0xFF));
        file.append('\2');
        for (qsizetype at = 0; at < codes.size(); at += 255) {
            const QByteArray block = codes.mid(at, 255);
            file.append(char(block.size())).append(block);
        }
        file.append('\0');
    }
    file.append(';');
    return file;
}

namespace {

QByteArray metafileRecord(int function, std::initializer_list<int> parameters)
{
    QByteArray bytes;
    put32(bytes, quint32(3 + parameters.size()));
    put16(bytes, function);
    for (int parameter : parameters)
        put16(bytes, parameter);
    return bytes;
}

// A solid black brush and the null pen, so that a rectangle is a black fill.
QByteArray blackFillRecords()
{
    return metafileRecord(0x02FC, {0, 0, 0, 0}) + metafileRecord(0x012D, {0})
        + metafileRecord(0x02FA, {5, 0, 0, 0, 0}) + metafileRecord(0x012D, {1});
}

QByteArray rectangleRecord(int left, int top, int right, int bottom)
{
    return metafileRecord(0x041B, {bottom, right, top, left});
}

// The 18-byte metafile header, the records and the end record.
QByteArray metafile(const QByteArray& records)
{
    QByteArray bytes;
    put16(bytes, 1);
    put16(bytes, 9);
    put16(bytes, 0x300);
    put32(bytes, quint32((18 + records.size() + 6) / 2));
    put16(bytes, 2);
    put32(bytes, 8);  // the largest record: the pen
    put16(bytes, 0);
    return bytes + records + metafileRecord(0, {});
}

}  // namespace

QByteArray wmfFile(int width, int height, int left, int top, int right, int bottom, bool anisotropic)
{
    QByteArray records;
    int scale = 1;
    if (anisotropic) {
        scale = 2;
        records += metafileRecord(0x0103, {8});
        records += metafileRecord(0x020B, {0, 0});
        records += metafileRecord(0x020C, {height * scale, width * scale});
    }
    records += blackFillRecords();
    records += rectangleRecord(left * scale, top * scale, right * scale, bottom * scale);

    QByteArray header;
    put32(header, 0x9AC6CDD7);
    put16(header, 0);
    for (int value : {0, 0, width * scale, height * scale})
        put16(header, value);
    put16(header, 96 * scale);
    put32(header, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(header.constData() + i);
    put16(header, checksum);
    return header + metafile(records);
}

QByteArray plainWmfFile(const QList<QRect>& fills, std::optional<QRect> window, bool anisotropic)
{
    QByteArray records;
    if (anisotropic)
        records += metafileRecord(0x0103, {8});
    if (window) {
        records += metafileRecord(0x020B, {window->top(), window->left()});
        records += metafileRecord(0x020C, {window->height(), window->width()});
    }
    records += blackFillRecords();
    for (const QRect& fill : fills)
        records += rectangleRecord(fill.left(), fill.top(), fill.right(), fill.bottom());
    return metafile(records);
}

QImage pictureImage(const QStringList& rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, rows[y][x] == u'T' ? qRgba(0, 0, 0, 0) : colourOf(rows[y][x]));
    return image;
}

QByteArray qtImageFile(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

namespace {

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

}  // namespace

QByteArray withClaimedSize(QByteArray file, int width, int height)
{
    if (file.startsWith("\x89PNG")) {
        // IHDR: length at 8, type at 12, width at 16, height at 20, CRC after 13 data bytes.
        qToBigEndian<quint32>(quint32(width), file.data() + 16);
        qToBigEndian<quint32>(quint32(height), file.data() + 20);
        qToBigEndian<quint32>(crc32(file.mid(12, 17)), file.data() + 29);
        return file;
    }
    const qsizetype frame = file.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(quint16(height), file.data() + frame + 5);
    qToBigEndian<quint16>(quint16(width), file.data() + frame + 7);
    return file;
}
