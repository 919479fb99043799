// Loading a picture file with the built-in reader: the command line and drops.
#include "app/frmPixoram.h"
#include "files/PictureFileReader.h"
#include "picture/Canvas.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>

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

    CurrentFileName = path;
    markFileLoaded();
    ClearPicture();
    if (atStartUp)
        setWindowTitle(QStringLiteral("Pixoram 2.6"));
    statusPanel1->setText(path);
    Text1->setText(contents.comment);
    Text2->setText(contents.variable);
    Text3->setText(contents.folder);
    grid = contents.grid;
    parkTool();
    Picture1_Paint();
    return true;
}
