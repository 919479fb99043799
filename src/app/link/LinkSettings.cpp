// The "Link Settings" menu: the cable code and port name that Snap and Send hand to the link
// component, and the calculator they talk to.
#include "app/frmPixoram.h"
#include "link/SerialAdapterPorts.h"
#include "ui/Canvas.h"

#include <QAction>
#include <QMenu>

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
    for (QAction* item : miPortDevice)
        item->setChecked(false);
    miCom[index]->setChecked(true);
}

// The serial cables also reach the calculator through a USB serial adapter:
// those present now are listed below COM4, under Gray and Black only.
void frmPixoram::miLink_Opening()
{
    for (QAction* item : miPortDevice)
        delete item;
    miPortDevice.clear();
    if (cableCode != 1 && cableCode != 2)
        return;
    QAction* below = miLink->actions().value(miLink->actions().indexOf(miCom[4]) + 1);
    for (const QString& device : serialAdapterPorts(QStringLiteral("/dev"))) {
        auto* item = new QAction(device, miLink);
        item->setCheckable(true);
        item->setChecked(device == portName);
        miLink->insertAction(below, item);
        connect(item, &QAction::triggered, this, [this, device] { miPortDevice_Click(device); });
        miPortDevice.push_back(item);
    }
}

void frmPixoram::miPortDevice_Click(const QString& device)
{
    portName = device;
    for (int other = 1; other <= 4; ++other)
        miCom[other]->setChecked(false);
    for (QAction* item : miPortDevice)
        item->setChecked(item->text() == device);
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
