#include "app/frmPixoram.h"

void frmPixoram::Command1_Click() {}
void frmPixoram::Command2_Click() {}
