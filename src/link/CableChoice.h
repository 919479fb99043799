#pragma once
// Which tilibs cable and port the link settings' cable code and port name mean.

#include "link/TiLibs.h"

#include <QString>

#include <cstdint>
#include <optional>

struct CableChoice {
    CableModel model = CABLE_NUL;
    CablePort port = PORT_0;
    // A serial device the port stands for instead of its COM name, such as "/dev/ttyUSB0"; empty for none.
    QString device;
    bool operator==(const CableChoice&) const = default;
};

// Cable code 1 Gray (CABLE_GRY) and 2 Black (CABLE_BLK) on "COM1" to "COM4"
// (PORT_1 to PORT_4: /dev/ttyS0 to /dev/ttyS3) or on a serial device named by
// its path under /dev (a USB serial adapter); 5 the SilverLink USB cable
// (CABLE_SLV, first one found); 7 the virtual link that calculator emulators
// offer (CABLE_TIE, the computer's end). None for any other code, or a serial
// cable on a port that is neither COM1 to COM4 nor a device path.
std::optional<CableChoice> cableChoice(int32_t cableCode, const QString& portName);
