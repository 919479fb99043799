// Loading a picture file with the built-in reader: the command line and drops.
#include "app/frmPixoram.h"
#include "files/PictureFileReader.h"

#include <QDir>

bool frmPixoram::LoadPictureFile(const QString& path, bool atStartUp)
{
    // The file is read before anything changes, so a bad file costs nothing.
    QByteArray bytes;
    QString reason;
    if (!readPictureFileBytes(path, bytes, reason)) {
        dialogs.showMessage(this, {QStringLiteral("Cannot open the picture file \"%1\":\n%2")
                                       .arg(QDir::toNativeSeparators(path), reason),
                                   QString(), MessageRequest::Icon::Exclamation});
        return false;
    }
    const PictureFileContents contents = ReadPictureFile(bytes);

    markFileLoaded();
    if (atStartUp)
        setWindowTitle(QStringLiteral("Pixoram 2.6"));
    document.replace(contents.grid, {contents.folder, contents.variable, contents.comment}, path, path);
    parkTool();
    return true;
}
