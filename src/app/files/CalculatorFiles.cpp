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
    case CalcKind::TI89:
        return window.TI89Calc;
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

bool acceptCellsLeftOut(frmPixoram& window, CalcKind kind, PictureDestination destination)
{
    const PictureArea area = pictureAreaOf(kind);
    const int leftOut = blackCellsOutside(window.grid, area);
    if (leftOut == 0)
        return true;
    const bool toFile = destination == PictureDestination::File;
    const QString text =
        QStringLiteral("%1 outside the TI-89 picture (%2 x %3) and will not be %4.\n%5 anyway?")
            .arg(leftOut == 1 ? QStringLiteral("1 black cell lies")
                              : QStringLiteral("%1 black cells lie").arg(leftOut))
            .arg(area.columns)
            .arg(area.rows)
            .arg(toFile ? QStringLiteral("saved") : QStringLiteral("sent"))
            .arg(toFile ? QStringLiteral("Save") : QStringLiteral("Send"));
    const MessageRequest question{text, QString(), MessageRequest::Icon::Exclamation, MessageRequest::Buttons::YesNo};
    return window.dialogs.showMessage(&window, question) == MessageAnswer::Yes;
}
