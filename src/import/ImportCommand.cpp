#include "app/frmPixoram.h"

void frmPixoram::miImport_Click() {}
