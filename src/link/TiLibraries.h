#pragma once
// Set-up of the tilibs libraries, shared by every part of the link component.

#include "link/CalcModel.h"
#include "link/TiLibs.h"

#include <QString>

// Initialises the four libraries once per process and routes their log output
// to a handler of ours: to stderr when PIXORAM_LINK_LOG is 1, else nowhere.
void ensureTiLibrariesReady();

// The libraries' own text for an error code, or a plain "error N".
QString tiErrorText(int code);

// The libraries' model of one of our model objects.
TiCalcModel tiCalcModel(CalcKind kind);
