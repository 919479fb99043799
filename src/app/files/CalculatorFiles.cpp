#include "app/files/CalculatorFiles.h"

#include "app/frmPixoram.h"
#include "picture/WorkPicture.h"

CalcModel& calcModelOf(frmPixoram& window, CalcKind kind)
{
    switch (kind) {
    case CalcKind::TI92:
        return window.TI92Calc;
    case CalcKind::Voyage200:
        return window.Voyage200Calc;
    case CalcKind::TI92Plus:
        break;
    }
    return window.TI92PlusCalc;
}

LinkResult writeCalculatorFile(frmPixoram& window, CalcKind kind)
{
    CalcVariable& variable = window.calcVariable;
    variable.SetTypeCode(kPictureVariableTypeCode);
    const PictureNames& names = window.document.names();
    variable.SetName(names.folder + QLatin1Char('\\') + names.variable);
    variable.SetFileName(window.CurrentFileName);
    drawGridInto(window.Picture4, window.grid);
    variable.SetPicture(window.Picture4);
    return calcModelOf(window, kind).WriteFile(variable);
}
