#pragma once
// The USB serial adapters a serial cable can be plugged into.

#include <QString>
#include <QStringList>

// The paths of the USB serial adapters in deviceDir ("/dev"): every ttyUSB<n>,
// then every ttyACM<n>, each in the order of n.
QStringList serialAdapterPorts(const QString& deviceDir);
