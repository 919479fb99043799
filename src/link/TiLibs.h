#pragma once
// tilibs' C headers for the link component's own files. Two adjustments for C++:
// the C keyword restrict, and the libraries' CalcModel enum, renamed TiCalcModel
// so it does not clash with our CalcModel class.

#define restrict __restrict
#define CalcModel TiCalcModel
#include <tilp2/ticonv.h>
#include <tilp2/tifiles.h>
#include <tilp2/ticables.h>
#include <tilp2/ticalcs.h>
#undef CalcModel
#undef restrict
