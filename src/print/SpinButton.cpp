#include "print/SpinButton.h"

#include <QBoxLayout>
#include <QToolButton>

namespace {

QToolButton* makeArrow(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return button;
}

}  // namespace

SpinButton::SpinButton(Qt::Orientation orientation, QWidget* parent) : QWidget(parent)
{
    const bool vertical = orientation == Qt::Vertical;
    upArrow = makeArrow(vertical ? Qt::UpArrow : Qt::RightArrow, this);
    downArrow = makeArrow(vertical ? Qt::DownArrow : Qt::LeftArrow, this);
    auto* layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(vertical ? upArrow : downArrow);
    layout->addWidget(vertical ? downArrow : upArrow);
    connect(upArrow, &QToolButton::clicked, this, &SpinButton::spinUp);
    connect(downArrow, &QToolButton::clicked, this, &SpinButton::spinDown);
}
