#pragma once
// Reading and writing files, with a reason a user understands when it cannot be done.

#include <QByteArray>
#include <QString>

// Reads at most `limit` bytes from the start of the file; false, with the
// reason, when the path is missing, a folder or unreadable.
bool readFileStart(const QString& path, qint64 limit, QByteArray& bytes, QString& reason);

// Replaces the file only once the whole new file is on disk: a failure leaves
// any old file as it was.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString& reason);
