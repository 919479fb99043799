// The toolbar: Open, Save, Print and Help, each a stack of pictures. A press hides the raised
// picture so the pressed one shows through; the release shows it again and runs the command when
// the pointer is still on the button. A shown cover in front takes the mouse and greys the button.
#include "app/PictureControl.h"
#include "app/frmPixoram.h"
#include "app/toolbar/PictureStackMouse.h"
#include "ui/LayoutPicture.h"
#include "ui/Twips.h"

// Resources of a static library are linked only when referenced.
static void initToolbarPictures()
{
    Q_INIT_RESOURCE(toolbar);
}

namespace {

PictureControl* makePicture(QWidget* panel, int leftTwips, const char* bitmap, const char* toolTip = nullptr)
{
    auto* picture = new PictureControl(panel);
    picture->setGeometry(twipsRect(leftTwips, 60, 360, 330));
    picture->setPixmap(layoutPicture(QStringLiteral(":/toolbar/%1.bmp").arg(QLatin1String(bitmap)), "BMP"));
    if (toolTip)
        picture->setToolTip(QString::fromLatin1(toolTip));
    return picture;
}

// Twips from the picture's top-left corner; the right and bottom edges still count as on it.
bool onButton(float X, float Y)
{
    return X >= 0 && X <= 360 && Y >= 0 && Y <= 330;
}

// Dragging with the left button alone: the button looks pressed while the pointer is on it.
void followDrag(PictureControl* raised, int button, float X, float Y)
{
    if (button == 1)
        raised->setVisible(!onButton(X, Y));
}

// Shows the raised picture again; true when the command is to run.
bool releaseOnButton(PictureControl* raised, float X, float Y)
{
    raised->setVisible(true);
    return onButton(X, Y);
}

}  // namespace

void frmPixoram::createToolbar()
{
    initToolbarPictures();
    // Back to front at each place: pressed, raised, cover.
    Image2 = makePicture(Panel3D2, 60, "open-pressed");
    Image1 = makePicture(Panel3D2, 60, "open-raised", "Open");
    Image11 = makePicture(Panel3D2, 60, "open-greyed");
    Image4 = makePicture(Panel3D2, 420, "save-pressed");
    Image3 = makePicture(Panel3D2, 420, "save-raised", "Save");
    Image5 = makePicture(Panel3D2, 420, "save-greyed");
    Image6 = makePicture(Panel3D2, 780, "print-pressed");
    Image7 = makePicture(Panel3D2, 780, "print-raised", "Print");
    Image8 = makePicture(Panel3D2, 780, "print-greyed");
    Image9 = makePicture(Panel3D2, 1200, "help-pressed");
    Image10 = makePicture(Panel3D2, 1200, "help-raised", "Help");
}

void frmPixoram::connectToolbar()
{
    new PictureStackMouse(Panel3D2);
    connect(Image1, &PictureControl::mouseDown, this, &frmPixoram::Image1_MouseDown);
    connect(Image1, &PictureControl::mouseMove, this, &frmPixoram::Image1_MouseMove);
    connect(Image1, &PictureControl::mouseUp, this, &frmPixoram::Image1_MouseUp);
    connect(Image3, &PictureControl::mouseDown, this, &frmPixoram::Image3_MouseDown);
    connect(Image3, &PictureControl::mouseMove, this, &frmPixoram::Image3_MouseMove);
    connect(Image3, &PictureControl::mouseUp, this, &frmPixoram::Image3_MouseUp);
    connect(Image7, &PictureControl::mouseDown, this, &frmPixoram::Image7_MouseDown);
    connect(Image7, &PictureControl::mouseMove, this, &frmPixoram::Image7_MouseMove);
    connect(Image7, &PictureControl::mouseUp, this, &frmPixoram::Image7_MouseUp);
    connect(Image10, &PictureControl::mouseDown, this, &frmPixoram::Image10_MouseDown);
    connect(Image10, &PictureControl::mouseMove, this, &frmPixoram::Image10_MouseMove);
    connect(Image10, &PictureControl::mouseUp, this, &frmPixoram::Image10_MouseUp);
    connect(Image2, &PictureControl::clicked, this, &frmPixoram::Image2_Click);
    connect(Image4, &PictureControl::clicked, this, &frmPixoram::Image4_Click);
}

void frmPixoram::Image1_MouseDown(int, float, float)
{
    Image1->setVisible(false);
}

void frmPixoram::Image1_MouseMove(int button, float X, float Y)
{
    followDrag(Image1, button, X, Y);
}

void frmPixoram::Image1_MouseUp(int, float X, float Y)
{
    if (releaseOnButton(Image1, X, Y))
        miOpen_Click();
}

void frmPixoram::Image2_Click()
{
    Image1->setVisible(true);
}

void frmPixoram::Image3_MouseDown(int, float, float)
{
    Image3->setVisible(false);
}

void frmPixoram::Image3_MouseMove(int button, float X, float Y)
{
    followDrag(Image3, button, X, Y);
}

void frmPixoram::Image3_MouseUp(int, float X, float Y)
{
    if (!releaseOnButton(Image3, X, Y))
        return;
    // Decided now: the picture may have gained a file since the press.
    if (!CurrentFileName.isEmpty())
        miSave_Click();
    else
        miSaveAs_Click();
}

void frmPixoram::Image4_Click()
{
    Image3->setVisible(true);
}

void frmPixoram::Image7_MouseDown(int, float, float)
{
    Image7->setVisible(false);
}

void frmPixoram::Image7_MouseMove(int button, float X, float Y)
{
    followDrag(Image7, button, X, Y);
}

void frmPixoram::Image7_MouseUp(int, float X, float Y)
{
    if (releaseOnButton(Image7, X, Y))
        miPrint_Click();
}

void frmPixoram::Image10_MouseDown(int, float, float)
{
    Image10->setVisible(false);
}

void frmPixoram::Image10_MouseMove(int button, float X, float Y)
{
    followDrag(Image10, button, X, Y);
}

void frmPixoram::Image10_MouseUp(int, float X, float Y)
{
    if (releaseOnButton(Image10, X, Y))
        miInstructions_Click();
}
