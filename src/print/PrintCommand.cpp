#include "app/frmPixoram.h"

void frmPixoram::miPrint_Click() {}
void frmPixoram::mipgset_Click() {}
