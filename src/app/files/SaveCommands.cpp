// Save and Save As: the picture to a calculator picture file or a bitmap.
#include "app/files/CalculatorFiles.h"
#include "app/frmPixoram.h"
#include "files/BitmapFile.h"
#include "files/PictureKind.h"
#include "link/PictureFile.h"
#include "ui/Canvas.h"

#include <QDir>

namespace {

MessageRequest notWrittenMessage(const QString& path, const QString& reason)
{
    return {QStringLiteral("Not saved!\nThe picture could not be written to \"%1\":\n%2")
                .arg(QDir::toNativeSeparators(path), reason),
            QStringLiteral("Save ERROR!"), MessageRequest::Icon::Exclamation};
}

// Save's own message stays as it is; where and why are behind "Show Details...".
MessageRequest saveFailedMessage(const QString& path, const QString& reason)
{
    return {QStringLiteral("NOT saved!"), QStringLiteral("Save Error!"), MessageRequest::Icon::None,
            MessageRequest::Buttons::Ok,
            QStringLiteral("The picture could not be written to \"%1\":\n%2").arg(QDir::toNativeSeparators(path), reason)};
}

// Save writes calculator files only; anything else is left for Save As.
MessageRequest noCalculatorFileMessage(const QString& path)
{
    const QString text =
        path.isEmpty()
            ? QStringLiteral("NOT saved!\nThe picture has no file yet: use Save As to choose one.")
            : QStringLiteral("NOT saved!\n\"%1\" is not a calculator picture file (92i, 9xi or v2i): "
                             "use Save As to save the picture as one.")
                  .arg(QDir::toNativeSeparators(path));
    return {text, QStringLiteral("Save Error!"), MessageRequest::Icon::Exclamation};
}

}  // namespace

void frmPixoram::miSaveAs_Click()
{
    if (document.names().folder.isEmpty())
        document.setFolder(kDefaultFolder);
    if (document.names().variable.isEmpty())
        document.setVariable(kDefaultVariable);
    const QString suggestedName = document.names().folder + QLatin1Char('.') + document.names().variable;
    const bool variableNameOk = CheckVarName();
    const bool folderNameOk = CheckFolderName();
    if (!variableNameOk || !folderNameOk)
        return;

    // The filter position and the default extension stay as the last use of the dialog left them.
    CMDialog1.mode = FileDialogRequest::Mode::Save;
    CMDialog1.fileName = suggestedName;
    CMDialog1.title = QStringLiteral("Pixoram Save As...");
    CMDialog1.filter =
        QStringLiteral("Voyage 200 (v2i)|*.v2i|TI-92P (9xi)|*.9xi|TI-92 (92i)|*.92i|Bitmap (bmp)|*.bmp|"
                       "TI-89 (89i)|*.89i");
    CMDialog1.confirmOverwrite = true;
    const std::optional<FileDialogAnswer> answer = dialogs.showFileDialog(this, CMDialog1);
    if (!answer)
        return;
    CMDialog1.filterIndex = answer->filterIndex;

    const QString previousFileName = CurrentFileName;
    const QString caption = document.fileCaption();
    const SaveAsTarget target = saveAsTarget(answer->path, answer->filterIndex);
    if (target.format == SaveAsTarget::Format::CalculatorFile
        && !acceptCellsLeftOut(*this, target.kind, PictureDestination::File))
        return;
    document.setFile(target.path, caption);
    switch (target.format) {
    case SaveAsTarget::Format::Bitmap: {
        Picture1_Paint();
        QString reason;
        if (!saveBitmapSafely(Picture1->image(), CurrentFileName, reason)) {
            dialogs.showMessage(this, notWrittenMessage(CurrentFileName, reason));
            document.setFile(previousFileName, caption);
        }
        return;
    }
    case SaveAsTarget::Format::NoKind:
        dialogs.showMessage(this, {QStringLiteral("Not saved!"), QStringLiteral("Save ERROR!"),
                                   MessageRequest::Icon::Exclamation});
        return;
    case SaveAsTarget::Format::CalculatorFile:
        break;
    }
    // Marked saved only once the file is written, so a failed write still warns at exit.
    const LinkResult written = writeCalculatorFile(*this, target.kind);
    if (!written.ok()) {
        dialogs.showMessage(this, notWrittenMessage(CurrentFileName, written.message()));
        document.setFile(previousFileName, caption);
        return;
    }
    markSavedAsCalculatorFile();
    document.setFile(CurrentFileName, suggestedName + QLatin1Char('.') + pictureFileExtension(target.kind));
}

void frmPixoram::miSave_Click()
{
    const std::optional<CalcKind> kind = pictureKindOfPath(CurrentFileName);
    if (!kind) {
        dialogs.showMessage(this, noCalculatorFileMessage(CurrentFileName));
        return;
    }
    if (!acceptCellsLeftOut(*this, *kind, PictureDestination::File))
        return;
    markSaved();
    const LinkResult written = writeCalculatorFile(*this, *kind);
    if (!written.ok())
        dialogs.showMessage(this, saveFailedMessage(CurrentFileName, written.message()));
}
