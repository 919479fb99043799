#pragma once
// Pictures with no pattern a fault could hide in.

#include "picture/PictureGrid.h"

#include <QtGlobal>

// Every cell black or white at random, the same for the same seed.
PictureGrid randomGrid(quint32 seed);
