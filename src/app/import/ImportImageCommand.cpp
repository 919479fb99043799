// File > Import Image...: any picture or image file, converted in the "Import Image" dialog.
#include "app/frmPixoram.h"
#include "files/InputPicture.h"

#include <QDir>

void frmPixoram::miImportImage_Click()
{
    importImageDialog.mode = FileDialogRequest::Mode::Open;
    importImageDialog.title = QStringLiteral("Import Image");
    // The dialog matches the patterns whatever the case of the names.
    importImageDialog.filter = QStringLiteral(
        "Pictures and images|*.92i;*.9xi;*.v2i;*.png;*.bmp;*.ico;*.rle;*.wmf;*.jpg;*.jpeg;*.gif|All files|*");
    const std::optional<FileDialogAnswer> answer = dialogs.showFileDialog(this, importImageDialog);
    if (!answer)
        return;
    importImageDialog.fileName = answer->path;
    importImageDialog.filterIndex = answer->filterIndex;
    QString reason;
    const std::optional<InputPicture> input = readInputPicture(answer->path, false, reason);
    if (!input) {
        dialogs.showMessage(this, {QStringLiteral("\"%1\" cannot be imported: %2")
                                       .arg(QDir::toNativeSeparators(answer->path), reason),
                                   QStringLiteral("Import Image"), MessageRequest::Icon::Exclamation});
        return;
    }
    importImage(input->image, QStringLiteral("Import Image"));
}

void frmPixoram::importImage(const QImage& image, const QString& step)
{
    ImportImageDialog dialog(image, importImageSettings, this);
    dialogs.showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    importImageSettings = dialog.settings();
    PictureGrid cells = dialog.cells();
    if (importImageSettings.mode == ImportMode::AddBlack) {
        for (int x = 0; x < kColumns; ++x) {
            for (int y = 0; y < kRows; ++y) {
                if (grid.isSet(x, y))
                    cells.setCell(x, y, 1);
            }
        }
    }
    changePicture(step, cells);
}
