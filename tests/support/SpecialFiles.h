#pragma once
// Paths that name no regular file, for the tests that every reader refuses them without waiting.

#include <QMetaType>
#include <QString>

enum class SpecialFile { Folder, Fifo, Socket, Device };
Q_DECLARE_METATYPE(SpecialFile)

// Makes one at path (Device: a link to /dev/zero, so the link is followed too)
// and returns the path; aborts the test program when it cannot.
QString makeSpecialFile(const QString& path, SpecialFile kind);
