// File > Import: an image file's pure black pixels become black cells of the picture.
#include "app/frmPixoram.h"
#include "import/ImportCells.h"
#include "import/ImportImage.h"
#include "ui/ImportPreview.h"

#include <QLabel>

#include <vector>

void frmPixoram::miImport_Click()
{
    // Every way out is silent and passes through the last line, which hides the preview.
    CMDialog1.mode = FileDialogRequest::Mode::Open;
    CMDialog1.title = QStringLiteral("Import a picture");
    CMDialog1.filter = QStringLiteral("Readable files|*.BMP;*.ICO;*.RLE;*.WMF;*.jpg;*.gif");
    CMDialog1.filterIndex = 1;
    CMDialog1.fileName = QString();
    CMDialog1.defaultExt = QStringLiteral("BMP");  // stays set for the commands that share the dialog
    CMDialog1.confirmOverwrite = false;
    if (const std::optional<FileDialogAnswer> answer = dialogs.showFileDialog(this, CMDialog1)) {
        CMDialog1.fileName = answer->path;
        CMDialog1.filterIndex = answer->filterIndex;
        if (const std::optional<QImage> image = loadImportImage(answer->path)) {
            showImportPreview(*Picture2, *image);
            const MessageRequest question{answer->path + QStringLiteral("\n\r\n\r     ...this picture?"),
                                          QStringLiteral("Import..."), MessageRequest::Icon::None,
                                          MessageRequest::Buttons::YesNo};
            if (dialogs.showMessage(this, question) == MessageAnswer::Yes) {
                document.setFile(QString(), document.fileCaption());
                markEdited();
                CurrentTool = 1;
                std::vector<QPoint> cells;
                forEachBlackCell(*image, [&cells](int x, int y) { cells.emplace_back(x, y); });
                document.beginStep(QStringLiteral("Import"));
                document.plotCells(cells, 1);
                document.endStep();
            }
        }
    }
    Picture2->hide();
}
