#pragma once
// Replacing a file so that no failure and no crash ever costs the old one.

#include <QByteArray>
#include <QString>

#include <functional>

// Fills the new file named by the path, which exists and is empty; false, with
// the reason, when it could not write everything.
using FileWriter = std::function<bool(const QString& path, QString& reason)>;

// Lets `write` fill a temporary file in the target's folder, gives it the old
// file's mode bits, owner and group (as far as this user may set them; a new
// file gets the usual mode under the umask), puts it on disk and renames it over
// the target, links followed. On any failure the target stays byte for byte as
// it was, the temporary file is gone, and reason says why. An existing target
// must be a regular file this user may write.
bool replaceFile(const QString& target, const FileWriter& write, QString& reason);

// The same with the whole new content at hand.
bool replaceFile(const QString& target, const QByteArray& bytes, QString& reason);
