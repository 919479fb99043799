#pragma once
// Centring a window on the screen: (screen - window) \ 2 in twips, each
// difference rounded to a whole number first, the halving truncating toward zero.

#include <QPoint>
#include <QSize>

class QWidget;

QPoint centredTopLeftTwips(QSize screenTwips, QSize windowTwips);
void centreOnScreen(QWidget& window);
