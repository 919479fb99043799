#pragma once
// Reading the start of a regular file without ever waiting on a FIFO, a device or a socket.

#include <QByteArray>
#include <QString>

// Reads at most `limit` bytes from the start of the file the path names, after
// following links. False, with the reason in words a user understands, when the
// path is missing, unreadable, or names anything but a regular file: such a path
// is refused before it is opened, so no device is touched and no FIFO waited on.
bool readRegularFile(const QString& path, qint64 limit, QByteArray& bytes, QString& reason);
