#include "link/CableChoice.h"

namespace {

std::optional<CablePort> serialPort(const QString& portName)
{
    static const QString names[] = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                                    QStringLiteral("COM4")};
    static const CablePort ports[] = {PORT_1, PORT_2, PORT_3, PORT_4};
    for (int i = 0; i < 4; ++i) {
        if (portName.compare(names[i], Qt::CaseInsensitive) == 0)
            return ports[i];
    }
    return std::nullopt;
}

}  // namespace

std::optional<CableChoice> cableChoice(int32_t cableCode, const QString& portName)
{
    switch (cableCode) {
    case 1:
    case 2:
        if (const auto port = serialPort(portName))
            return CableChoice{cableCode == 1 ? CABLE_GRY : CABLE_BLK, *port};
        return std::nullopt;
    case 5:
        return CableChoice{CABLE_SLV, PORT_1};
    case 7:
        // The emulator holds PORT_1; PORT_2 is the other end.
        return CableChoice{CABLE_TIE, PORT_2};
    default:
        return std::nullopt;
    }
}
