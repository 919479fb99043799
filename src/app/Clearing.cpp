// ClrDraw: a new, empty picture with the default names and comment.
#include "app/frmPixoram.h"

#include <QLabel>
#include <QLineEdit>

void frmPixoram::miCls_Click()
{
    ClearPicture();
    markEmpty();
    statusPanel1->clear();
    Text1->setText(QStringLiteral("made with PIXORAM"));
    Text2->setText(QStringLiteral("picture"));
    Text3->setText(QStringLiteral("main"));
    CurrentFileName.clear();
}
