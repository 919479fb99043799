#include "app/frmPixoram.h"

void frmPixoram::miOpen_Click() {}
void frmPixoram::Picture1_OLEDragDrop(const QStringList&) {}
