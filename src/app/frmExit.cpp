#include "app/frmExit.h"

#include "ui/LayoutFonts.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"

#include <QLabel>
#include <QPushButton>

frmExit::frmExit(QWidget* parent, std::function<void()> endProgram)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      endProgram_(std::move(endProgram))
{
    setObjectName(QStringLiteral("frmExit"));
    setWindowTitle(QStringLiteral("WARNING!"));
    setFixedSize(twipsToPixels(2895), twipsToPixels(2205));
    QPalette red = palette();
    red.setColor(QPalette::Window, QColor(255, 0, 0));
    red.setColor(QPalette::WindowText, QColor(224, 224, 224));
    setPalette(red);
    setAutoFillBackground(true);

    Label1 = new QLabel(
        QStringLiteral("Picture NOT saved as 92i or 9xi. Press OK to quit or Cancel to return to drawing."), this);
    Label1->setGeometry(twipsRect(240, 120, 2655, 1215));
    Label1->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 12));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(twipsRect(240, 1560, 975, 495));
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setGeometry(twipsRect(1680, 1560, 975, 495));
    connect(Command1, &QPushButton::clicked, this, &frmExit::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmExit::Command2_Click);

    centreOnScreen(*this);
}

void frmExit::Command1_Click()
{
    endProgram_();
    hide();
}

void frmExit::Command2_Click()
{
    hide();
}
