#pragma once
// The pictures stored in the windows' layout (icon, toolbar, About).

#include <QPixmap>

// Reads a picture of a known format without asking every image plugin to
// recognise it first, which would load them all and slow the start down.
QPixmap layoutPicture(const QString& path, const char* format);
