#include "app/frmPixoram.h"

void frmPixoram::Picture1_MouseDown(int, float, float) {}
void frmPixoram::Picture1_MouseMove(int, float, float) {}
void frmPixoram::Picture1_MouseUp(int, float, float) {}
void frmPixoram::PenLineTo(int16_t, int16_t) {}
