#pragma once
// Helpers of the picture file tests: files of tests/data, tables of cases, window state, unwritable places.

#include "picture/PictureGrid.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class frmPixoram;

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// A file of tests/data by its path there ("real/...", "files/..."), and its bytes (null when there is none).
QString testDataPath(const QString& name);
QByteArray testData(const QString& name);

// A grid with the rows of 'X' and '.' of a text file of tests/data placed at its top-left corner.
PictureGrid gridFromText(const QString& name);

// The rows of tests/data/files/<table>.tsv (see addTsvRows).
void addRowsFrom(const QString& table);

// The current row's value in a column of such a table: \r is a carriage return and \xNN the
// calculator's character of code NN.
QString field(const char* column);

// Everything the user sees of the picture and its file.
struct WindowState {
    PictureGrid grid;
    QImage canvas;
    QString folder, variable, comment, status, currentFile, caption;
    bool open, save, saveAs, print;
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
