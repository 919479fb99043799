#include "files/CalculatorFiles.h"

#include "app/frmPixoram.h"
#include "files/WorkPicture.h"

#include <QLineEdit>

namespace {

constexpr int kPictureVariableTypeCode = 26;

}  // namespace

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
    variable.SetName(window.Text3->text() + QLatin1Char('\\') + window.Text2->text());
    variable.SetFileName(window.CurrentFileName);
    paintGridIntoWorkPicture(window.Picture4, window.grid);
    variable.SetPicture(window.Picture4);
    return calcModelOf(window, kind).WriteFile(variable);
}
