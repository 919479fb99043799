#include "app/frmPixoram.h"

void frmPixoram::miSave_Click() {}
void frmPixoram::miSaveAs_Click() {}
