// The "Link Settings" menu: the cable code and port name that Snap and Send hand to the link component.
#include "app/frmPixoram.h"

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
