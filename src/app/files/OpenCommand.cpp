// Open and drop: a picture file into the grid, the names and the canvas.
#include "app/files/CalculatorFiles.h"
#include "app/frmPixoram.h"
#include "files/PictureKind.h"
#include "picture/WorkPicture.h"

#include <QDir>
#include <QFileInfo>

namespace {

MessageRequest cannotOpenMessage(const QString& path, const QString& reason)
{
    return {QStringLiteral("Cannot open the picture file \"%1\":\n%2").arg(QDir::toNativeSeparators(path), reason),
            QString(), MessageRequest::Icon::Exclamation};
}

}  // namespace

void frmPixoram::miOpen_Click()
{
    CMDialog1.mode = FileDialogRequest::Mode::Open;
    CMDialog1.fileName.clear();
    CMDialog1.title = QStringLiteral("Pixoram Open");
    CMDialog1.filter = QStringLiteral("Readable Images (92i, 9xi, v2i)|*.92i;*.9xi;*.v2i|TI-89 (89i)|*.89i");
    CMDialog1.filterIndex = 1;
    CMDialog1.confirmOverwrite = false;
    const std::optional<FileDialogAnswer> answer = dialogs.showFileDialog(this, CMDialog1);
    if (!answer)
        return;
    CMDialog1.filterIndex = answer->filterIndex;
    const QString path = answer->path;
    const std::optional<CalcKind> kind = pictureKindOfPath(path);
    if (!kind) {
        dialogs.showMessage(this, {QStringLiteral("Not a valid filename!"), QString(), MessageRequest::Icon::Exclamation});
        return;
    }

    // The file is read into a variable of its own first: a file that cannot be
    // read leaves the picture, the names and the window as they were.
    CalcVariable loaded;
    loaded.SetFileName(path);
    const LinkResult read = calcModelOf(*this, *kind).ReadFile(loaded);
    if (!read.ok()) {
        dialogs.showMessage(this, cannotOpenMessage(path, read.message()));
        return;
    }

    markFileLoaded();
    // The comment is not in what the component hands back: the box keeps its text.
    ReplacePicture(loaded, path, QFileInfo(path).fileName(), document.names().comment);
    chooseCalculator(*kind);
}

void frmPixoram::ReplacePicture(const CalcVariable& loaded, const QString& path, const QString& caption,
                                const QString& comment)
{
    calcVariable = loaded;
    const QString fullName = calcVariable.GetName();
    const qsizetype slash = fullName.indexOf(QLatin1Char('\\'));
    const PictureNames names{slash < 0 ? QString() : fullName.left(slash), fullName.mid(slash + 1), comment};
    showBitmapIn(Picture4, calcVariable.GetPicture());
    PictureGrid cells;
    forEachBlackCell(Picture4, 0, [&cells](int x, int y) { cells.setCell(x, y, 1); });
    document.replace(cells, names, path, caption);
    parkTool();
}

void frmPixoram::Picture1_OLEDragDrop(const QStringList& paths)
{
    // A drop without a file gets the same answer as a file of the wrong kind.
    const QString path = paths.value(0);
    if (path.right(3).toUpper() != QLatin1String("92I")) {
        dialogs.showMessage(this, {QStringLiteral("Oops! The filename must have a '92i' extension."),
                                   QStringLiteral("Drag/Drop Error"), MessageRequest::Icon::Exclamation});
        return;
    }
    if (LoadPictureFile(path, false))
        chooseCalculator(CalcKind::TI92);
}
