#include "app/frmPixoram.h"

bool frmPixoram::CheckFolderName() { return true; }
bool frmPixoram::CheckVarName() { return true; }
