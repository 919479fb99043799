// File > Export PNG...: the picture as a one-bit PNG, cell for pixel or enlarged 4x, replacing a
// file only once the new one is on disk.
#include "app/frmPixoram.h"
#include "files/PicturePng.h"
#include "files/ReplaceFile.h"

#include <QDir>

void frmPixoram::miExportPng_Click()
{
    exportPngDialog.mode = FileDialogRequest::Mode::Save;
    exportPngDialog.title = QStringLiteral("Export PNG");
    exportPngDialog.filter = QStringLiteral("PNG|*.png|PNG, enlarged 4x|*.png");
    exportPngDialog.defaultExt = QStringLiteral("png");
    exportPngDialog.confirmOverwrite = true;
    if (exportPngDialog.fileName.isEmpty())
        exportPngDialog.fileName = document.names().variable + QStringLiteral(".png");
    const std::optional<FileDialogAnswer> answer = dialogs.showFileDialog(this, exportPngDialog);
    if (!answer)
        return;
    exportPngDialog.fileName = answer->path;
    exportPngDialog.filterIndex = answer->filterIndex;
    const int scale = answer->filterIndex == 2 ? 4 : 1;
    QString reason;
    if (!replaceFile(answer->path, picturePng(grid, scale), reason)) {
        dialogs.showMessage(this, {QStringLiteral("The picture could not be exported to \"%1\":\n%2")
                                       .arg(QDir::toNativeSeparators(answer->path), reason),
                                   QStringLiteral("Export PNG"), MessageRequest::Icon::Exclamation});
    }
}
