#pragma once
// The window's calculator picture files: the model object of a kind, the write Save and Save As
// share, and the question before a picture of a smaller area leaves black cells behind.

#include "link/CalcModel.h"

class frmPixoram;

// The window's model object of that kind.
CalcModel& calcModelOf(frmPixoram& window, CalcKind kind);

// Writes the grid under the names in the Folder and Var fields to CurrentFileName,
// in the file format of that kind.
[[nodiscard]] LinkResult writeCalculatorFile(frmPixoram& window, CalcKind kind);

// Why the picture goes to a smaller area: to a file, or to the calculator.
enum class PictureDestination { File, Calculator };

// True when every black cell of the grid fits in the picture area of that kind, or the user,
// told how many will not be saved (or sent), answers Yes.
bool acceptCellsLeftOut(frmPixoram& window, CalcKind kind, PictureDestination destination);
