// The "Link Settings" menu: the cable code and port name that Snap and Send hand to the link
// component, and the calculator they talk to.
#include "app/frmPixoram.h"
#include "ui/Canvas.h"

#include <QAction>

namespace {

void setComEntriesEnabled(const std::array<QAction*, 5>& miCom, bool enabled)
{
    for (int index = 1; index <= 4; ++index)
        miCom[index]->setEnabled(enabled);
}

}  // namespace

void frmPixoram::miCom_Click(int index)
{
    const QString digits = QString::number(index);
    portName = QStringLiteral("COM") + digits.back();
    for (int other = 1; other <= 4; ++other)
        miCom[other]->setChecked(false);
    miCom[index]->setChecked(true);
}

void frmPixoram::miGray_Click()
{
    cableCode = 1;
    setComEntriesEnabled(miCom, true);
    miGray->setChecked(true);
    miBlack->setChecked(false);
    miUSB->setChecked(false);
    miEmulator->setChecked(false);
}

void frmPixoram::miBlack_Click()
{
    cableCode = 2;
    setComEntriesEnabled(miCom, true);
    miBlack->setChecked(true);
    miGray->setChecked(false);
    miUSB->setChecked(false);
    miEmulator->setChecked(false);
}

void frmPixoram::miUSB_Click()
{
    cableCode = 5;
    portName = kDefaultPort;
    setComEntriesEnabled(miCom, false);
    miUSB->setChecked(true);
    miGray->setChecked(false);
    miBlack->setChecked(false);
    miEmulator->setChecked(false);
}

// The emulator's virtual link has no port: the port name stays as it was.
void frmPixoram::miEmulator_Click()
{
    cableCode = 7;
    setComEntriesEnabled(miCom, false);
    miEmulator->setChecked(true);
    miGray->setChecked(false);
    miBlack->setChecked(false);
    miUSB->setChecked(false);
}

void frmPixoram::miTI92Plus_Click()
{
    chooseCalculator(CalcKind::TI92Plus);
}

void frmPixoram::miTI89_Click()
{
    chooseCalculator(CalcKind::TI89);
}

// Only what the canvas shows changes: every cell stays, outside the TI-89's area too.
void frmPixoram::chooseCalculator(CalcKind kind)
{
    calculator = kind == CalcKind::TI89 ? CalcKind::TI89 : CalcKind::TI92Plus;
    miTI92Plus->setChecked(calculator == CalcKind::TI92Plus);
    miTI89->setChecked(calculator == CalcKind::TI89);
    Picture1->setPictureArea(pictureAreaOf(calculator));
    Picture1->showCells(grid, QRect(0, 0, kColumns, kRows));
}
