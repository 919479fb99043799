// The toolbar: Open, Save, Print and Help, each a stack of pictures.
#include "app/PictureControl.h"
#include "app/Twips.h"
#include "app/frmPixoram.h"

namespace {

PictureControl* makePicture(QWidget* panel, int leftTwips)
{
    auto* picture = new PictureControl(panel);
    picture->setGeometry(twipsRect(leftTwips, 60, 360, 330));
    return picture;
}

}  // namespace

void frmPixoram::createToolbar()
{
    // Back to front at each place: pressed, raised, cover.
    Image2 = makePicture(Panel3D2, 60);
    Image1 = makePicture(Panel3D2, 60);
    Image11 = makePicture(Panel3D2, 60);
    Image4 = makePicture(Panel3D2, 420);
    Image3 = makePicture(Panel3D2, 420);
    Image5 = makePicture(Panel3D2, 420);
    Image6 = makePicture(Panel3D2, 780);
    Image7 = makePicture(Panel3D2, 780);
    Image8 = makePicture(Panel3D2, 780);
    Image9 = makePicture(Panel3D2, 1200);
    Image10 = makePicture(Panel3D2, 1200);
}

void frmPixoram::connectToolbar()
{
}
