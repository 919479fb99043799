#pragma once
// The window's calculator picture files: the model object of a kind, and the write Save and Save As share.

#include "link/CalcModel.h"

class frmPixoram;

// The window's model object of that kind.
CalcModel& calcModelOf(frmPixoram& window, CalcKind kind);

// Writes the grid under the names in the Folder and Var fields to CurrentFileName,
// in the file format of that kind.
[[nodiscard]] LinkResult writeCalculatorFile(frmPixoram& window, CalcKind kind);
