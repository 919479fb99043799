#include "print/pgset.h"

#include "print/PagePreview.h"
#include "print/PageSetupValues.h"
#include "print/SpinButton.h"
#include "ui/LayoutFonts.h"
#include "ui/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel* makeLabel(QWidget* parent, const char* caption, QRect geometry)
{
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* makeField(QWidget* parent, QRect geometry)
{
    auto* field = new QLineEdit(parent);
    field->setGeometry(geometry);
    return field;
}

SpinButton* makeSpin(QWidget* parent, Qt::Orientation orientation, QRect geometry)
{
    auto* spin = new SpinButton(orientation, parent);
    spin->setGeometry(geometry);
    return spin;
}

}  // namespace

pgset::pgset(QWidget* parent, PageSetupValues& stored)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      stored_(stored)
{
    setObjectName(QStringLiteral("pgset"));
    setWindowTitle(QStringLiteral("Page Setup"));
    setModal(false);
    setFixedSize(twipsToPixels(6345), twipsToPixels(2310));
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), 8.25, false));

    Label1 = makeLabel(this, "Top Margin:", twipsRect(360, 240, 615, 495));
    Text1 = makeField(this, twipsRect(1050, 360, 615, 285));
    Spin1 = makeSpin(this, Qt::Vertical, twipsRect(1800, 240, 195, 495));
    Label4 = makeLabel(this, "Inches", twipsRect(2400, 435, 615, 255));
    Label2 = makeLabel(this, "Left Margin:", twipsRect(360, 840, 615, 375));
    Text2 = makeField(this, twipsRect(1080, 960, 615, 285));
    Spin2 = makeSpin(this, Qt::Horizontal, twipsRect(1800, 960, 495, 315));
    Label5 = makeLabel(this, "Inches", twipsRect(2400, 1080, 615, 255));
    Label3 = makeLabel(this, "Image Width:", twipsRect(360, 1560, 615, 495));
    Text3 = makeField(this, twipsRect(1080, 1680, 615, 285));
    Spin3 = makeSpin(this, Qt::Horizontal, twipsRect(1800, 1680, 495, 315));
    Label6 = makeLabel(this, "Inches", twipsRect(2400, 1740, 615, 255));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setGeometry(twipsRect(3240, 480, 960, 495));
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setGeometry(twipsRect(3240, 1320, 945, 495));

    Picture1 = new PagePreview(this);
    Picture1->setGeometry(twipsRect(4500, 345, 1395, 1755));

    connect(Text1, &QLineEdit::textChanged, this, &pgset::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &pgset::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &pgset::Text3_Change);
    connect(Spin1, &SpinButton::spinUp, this, &pgset::Spin1_SpinUp);
    connect(Spin1, &SpinButton::spinDown, this, &pgset::Spin1_SpinDown);
    connect(Spin2, &SpinButton::spinUp, this, &pgset::Spin2_SpinUp);
    connect(Spin2, &SpinButton::spinDown, this, &pgset::Spin2_SpinDown);
    connect(Spin3, &SpinButton::spinUp, this, &pgset::Spin3_SpinUp);
    connect(Spin3, &SpinButton::spinDown, this, &pgset::Spin3_SpinDown);
    connect(Command1, &QPushButton::clicked, this, &pgset::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &pgset::Command2_Click);
}

bool pgset::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void pgset::Form_Activate()
{
    Picture1->drawOutline(pictureRectangle(stored_.TopMargin, stored_.LeftMargin, stored_.ImageWidth));
    Text1->setText(decimalText(stored_.TopMargin));
    Text2->setText(decimalText(stored_.LeftMargin));
    Text3->setText(decimalText(stored_.ImageWidth));
}

void pgset::Text1_Change()
{
    fieldChanged(Text1, kMarginLimit);
}

void pgset::Text2_Change()
{
    fieldChanged(Text2, kMarginLimit);
}

void pgset::Text3_Change()
{
    fieldChanged(Text3, kWidthLimit);
}

void pgset::fieldChanged(QLineEdit* field, FieldLimit limit)
{
    const QString correction = limitCorrection(field->text(), limit);
    if (!correction.isEmpty())
        field->setText(correction);  // runs this handler again with a valid number
    Picture1->clear();
    Picture1->drawOutline(
        pictureRectangle(fieldNumber(Text1->text()), fieldNumber(Text2->text()), fieldNumber(Text3->text())));
}

void pgset::Spin1_SpinUp()
{
    Text1->setText(steppedText(Text1->text(), -kArrowStep));
}

void pgset::Spin1_SpinDown()
{
    Text1->setText(steppedText(Text1->text(), kArrowStep));
}

void pgset::Spin2_SpinUp()
{
    Text2->setText(steppedText(Text2->text(), kArrowStep));
}

void pgset::Spin2_SpinDown()
{
    Text2->setText(steppedText(Text2->text(), -kArrowStep));
}

void pgset::Spin3_SpinUp()
{
    Text3->setText(steppedText(Text3->text(), kArrowStep));
}

void pgset::Spin3_SpinDown()
{
    Text3->setText(steppedText(Text3->text(), -kArrowStep));
}

void pgset::Command1_Click()
{
    stored_.TopMargin = fieldNumber(Text1->text());
    stored_.LeftMargin = singlePrecision(fieldNumber(Text2->text()));
    stored_.ImageWidth = fieldNumber(Text3->text());
    hide();
}

void pgset::Command2_Click()
{
    hide();
}
