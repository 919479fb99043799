#pragma once
// Centring a window on the screen: (screen - window) \ 2 in twips, each
// difference rounded to a whole number first, the halving truncating toward zero.

#include <QPoint>
#include <QSize>

class QWidget;

QPoint centredTopLeftTwips(QSize screenTwips, QSize windowTwips);
// Centres the window now and, where a window manager frames it once shown, once
// more with its frame: it is the framed window that must sit in the middle.
void centreOnScreen(QWidget& window);
