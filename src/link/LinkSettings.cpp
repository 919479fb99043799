#include "app/frmPixoram.h"

void frmPixoram::miCom_Click(int) {}
void frmPixoram::miGray_Click() {}
void frmPixoram::miBlack_Click() {}
void frmPixoram::miUSB_Click() {}
void frmPixoram::miEmulator_Click() {}
