// ClrDraw: a new, empty picture with the default names and comment, as one step that undo
// takes back whole (cells, names, file, status bar and command state).
#include "app/frmPixoram.h"

void frmPixoram::miCls_Click()
{
    document.beginStep(QStringLiteral("ClrDraw"), PictureDocument::StepKind::WholeState);
    ClearPicture();
    markEmpty();
    document.setFile(QString(), QString());
    document.setComment(kDefaultComment);
    document.setVariable(kDefaultVariable);
    document.setFolder(kDefaultFolder);
    // The empty picture counts as saved: leaving asks nothing.
    document.markSaved();
    document.endStep();
}
