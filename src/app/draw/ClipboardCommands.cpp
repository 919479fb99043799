// Copy Picture and Paste Picture: the picture to the clipboard as an image, any image back
// through the "Import Image" dialog.
#include "app/frmPixoram.h"
#include "files/PicturePng.h"
#include "import/ClipboardImage.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void frmPixoram::miCopyPicture_Click()
{
    auto* data = new QMimeData;
    data->setImageData(pictureBitmap(grid));
    // Programs that take PNG get the one-bit picture itself rather than Qt's conversion of it.
    data->setData(QStringLiteral("image/png"), picturePng(grid));
    QGuiApplication::clipboard()->setMimeData(data);
}

void frmPixoram::miPastePicture_Click()
{
    QString reason;
    const std::optional<QImage> image = clipboardImage(QGuiApplication::clipboard()->mimeData(), reason);
    if (!image) {
        dialogs.showMessage(this, {QStringLiteral("Nothing pasted: %1").arg(reason), QStringLiteral("Paste Picture"),
                                   MessageRequest::Icon::Exclamation});
        return;
    }
    importImage(*image, QStringLiteral("Paste Picture"));
}

void frmPixoram::showPasteOffered()
{
    miPastePicture->setEnabled(offersImage(QGuiApplication::clipboard()->mimeData()));
}
