#include "info/frmAbout.h"

#include "ui/LayoutFonts.h"
#include "ui/LayoutPicture.h"
#include "ui/Twips.h"
#include "ui/WindowCentring.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QLabel* makeLabel(QWidget* parent, const QString& text, QRect geometry, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About PIXORAM"));
    setFixedSize(twipsToPixels(5460), twipsToPixels(2535));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);

    const QString times = QStringLiteral("Times New Roman");
    makeLabel(this, QStringLiteral("Pixoram"), twipsRect(30, 0, 5415, 615), layoutFont(times, 24), Qt::AlignCenter);
    makeLabel(this, QStringLiteral("Pixoram team"), twipsRect(1575, 540, 2595, 375), layoutFont(times, 18));
    makeLabel(this, QStringLiteral("The Pixoram Project"), twipsRect(1455, 900, 2775, 255), layoutFont(times, 8.25));
    makeLabel(this, QStringLiteral("pixoram@example.org"), twipsRect(1995, 1095, 1815, 255), layoutFont(times, 8.25));
    makeLabel(this, QStringLiteral("July '98"), twipsRect(120, 2160, 1815, 255),
              layoutFont(QStringLiteral("MS Sans Serif"), 12));

    Picture1 = new QLabel(this);
    Picture1->setPixmap(layoutPicture(QStringLiteral(":/about.bmp"), "BMP"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placePicture(kPictureStartTop);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(twipsRect(4320, 1920, 975, 495));
    Command1->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25));
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);

    centreOnScreen(*this);
}

void frmAbout::placePicture(int topTwips)
{
    pictureTopTwips = topTwips;
    Picture1->setGeometry(twipsRect(2040, topTwips, 1695, 1575));
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmAbout::Form_Activate()
{
    Timer1->start();
    placePicture(kPictureStartTop);
}

void frmAbout::Timer1_Timer()
{
    if (pictureTopTwips > kPictureRestTop)
        placePicture(pictureTopTwips - kPictureStep);
}

void frmAbout::Command1_Click()
{
    placePicture(kPictureStartTop);
    Timer1->stop();
    hide();
}

void frmAbout::reject()
{
    Command1_Click();
}
