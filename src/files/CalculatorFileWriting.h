#pragma once
// The steps Save and Save As share: the picture and its name handed to the
// link component, which writes the calculator file.

#include "link/CalcModel.h"

class frmPixoram;

// The window's model object of that kind.
CalcModel& calcModelOf(frmPixoram& window, CalcKind kind);

// Writes the grid under the names in the Folder and Var fields to CurrentFileName,
// in the file format of that kind.
[[nodiscard]] LinkResult writeCalculatorFile(frmPixoram& window, CalcKind kind);
