#include "info/frmHelp.h"

#include "ui/LayoutFonts.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct HelpText {
    const char* text;
    int left, top, width, height;
};

const HelpText kTexts[] = {
    {"Use this program to view, edit, create, and save TI-92 and 92+ Image files. The image can be printed or "
     "downloaded to a TI-92 or TI-92+ computer using Texas Instruments' Graph-Link cable and software.",
     360, 135, 6855, 735},
    {"On the picture box, use the left mouse button to draw and the right mouse button to pop up the drawing tools "
     "menu.",
     360, 915, 6855, 495},
    {"Use the File menu to Open, Save, and Print images. In 'Save As...' you can also save the image as a BMP. You "
     "can import b/w BMP, ICO, RLE, and WMF files.",
     330, 1485, 6495, 735},
    {"Use the Draw menu to Clear the image and choose a tool. You cannot save a cleared image.  You must clear or "
     "save an edited image before opening another. ",
     360, 2280, 6735, 735},
    {"The 92 Folder and Var Name can be different from the DOS filename, but use caution. The 92 Names must comply "
     "with TI-92 standards. The comment is saved in the computer file only, not the BMP file or in the calculator.",
     360, 3120, 6735, 975},
    {"Pixoram is written by the Pixoram team.", 360, 4185, 6615, 300},
    {"TI-92, TI-92+, and TI Graph-Link are registered trademarks of Texas Instruments, Inc. ", 360, 4440, 6855, 615},
};

}  // namespace

frmHelp::frmHelp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("PIXORAM Brief Instructions"));
    setFixedSize(twipsToPixels(7380), twipsToPixels(5430));
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(192, 255, 192));
    green.setColor(QPalette::WindowText, Qt::black);
    setPalette(green);
    setAutoFillBackground(true);

    auto* background = new QLabel(this);  // Label8
    background->setGeometry(twipsRect(0, 0, 7380, 5295));
    const QFont font = layoutFont(QStringLiteral("MS Serif"), 9.75);
    for (const HelpText& text : kTexts) {
        auto* label = new QLabel(QString::fromUtf8(text.text), this);
        label->setGeometry(twipsRect(text.left, text.top, text.width, text.height));
        label->setFont(font);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(twipsRect(3240, 4800, 735, 495));
    Command1->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
    connect(Command1, &QPushButton::clicked, this, &frmHelp::Command1_Click);

    centreOnScreen(*this);
}

void frmHelp::Command1_Click()
{
    hide();
}
