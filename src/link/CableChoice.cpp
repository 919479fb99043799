#include "link/CableChoice.h"
#include "link/SerialAdapterPorts.h"

#include <QDir>

#include <algorithm>

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
            return CableChoice{cableCode == 1 ? CABLE_GRY : CABLE_BLK, *port, QString()};
        if (portName.startsWith(QLatin1String("/dev/")))
            return CableChoice{cableCode == 1 ? CABLE_GRY : CABLE_BLK, PORT_1, portName};
        return std::nullopt;
    case 5:
        return CableChoice{CABLE_SLV, PORT_1, QString()};
    case 7:
        // The emulator holds PORT_1; PORT_2 is the other end.
        return CableChoice{CABLE_TIE, PORT_2, QString()};
    default:
        return std::nullopt;
    }
}

QStringList serialAdapterPorts(const QString& deviceDir)
{
    const QDir dir(deviceDir);
    QStringList ports;
    for (const QString& prefix : {QStringLiteral("ttyUSB"), QStringLiteral("ttyACM")}) {
        QStringList names = dir.entryList({prefix + u'*'}, QDir::System | QDir::Files | QDir::Readable);
        names.removeIf([&](const QString& name) {
            bool number = false;
            name.mid(prefix.size()).toUInt(&number);
            return !number;
        });
        std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
            return a.mid(prefix.size()).toUInt() < b.mid(prefix.size()).toUInt();
        });
        for (const QString& name : names)
            ports << dir.filePath(name);
    }
    return ports;
}
