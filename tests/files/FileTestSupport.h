#pragma once
// Helpers of the picture file tests: hand-built calculator files, pictures as strings, window state.

#include "picture/PictureGrid.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>

class frmPixoram;

// A one-variable TI-68k file laid out by hand: signature, folder (10), comment
// (18), entry count (58), data offset (60), name (64), type (72), attribute (73),
// file size (76), A5 5A (80), four zero bytes, the data from 86, checksum.
QByteArray singleVariableFile(const QByteArray& signature, const QByteArray& folder, const QByteArray& name,
                              uint8_t type, const QByteArray& data, uint8_t attribute = 0);

// A picture variable's data for rows of 'X' (black) and '.' (white), all of one width.
QByteArray pictureVariableData(const QStringList& rows);

// A grid with the rows of 'X' and '.' placed at its top-left corner.
PictureGrid gridFromRows(const QStringList& rows);

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray realTestFile(const QString& name);

// Everything the user sees of the picture and its file.
struct WindowState {
    PictureGrid grid;
    QImage canvas;
    QString folder, variable, comment, status, currentFile, caption;
    bool open, save, saveAs, print, openCover, saveCover, printCover;
    bool operator==(const WindowState&) const = default;
};
WindowState windowState(const frmPixoram& window);

// Sets or clears the immutable flag (root only, where the filesystem has it).
bool setImmutable(const QString& path, bool on);

// Makes a folder refuse new files for as long as it lives (by its mode, or as
// root by the immutable flag); active() is false where neither works.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& path);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;
    bool active() const { return active_; }

private:
    QString path_;
    bool immutable_ = false;
    bool active_ = false;
};
