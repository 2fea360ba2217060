#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kelvora {

// The bytes of a file that may be anything a user names: read only if it is a
// regular file (a FIFO would block, a device never end) of at most maxBytes.
// Otherwise nothing, and the reason in error ("is not a regular file", ...).
// Qt resource paths (":/...") are read as they are.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error);

// A descriptor of the file at path, opened for reading only if it is a regular
// file (checked before and after the open, which never blocks); -1 and the
// reason in error otherwise. The caller closes it.
int openRegularFile(const QString &path, QString *error);

// True where path names something that exists and is not a regular file
// (a FIFO, a device, a socket, a folder), following links.
bool isSpecialFile(const QString &path);

// What a path that exists but is no regular file is, following links: "a FIFO", "a character device",
// "a block device", "a socket", "a folder"; "" for a regular file or nothing there.
QString specialFileKind(const QString &path);

// Writes the file whole or not at all: every step checked (write, flush, sync,
// the rename into place), so a full disk leaves the old file as it was. Empty,
// or the reason naming the file. A FIFO, a device or a folder is refused.
QString saveWholeFile(const QString &path, const QByteArray &bytes);

// Writes to the standard output, every byte or the reason ("standard output: ...").
QString writeStandardOutput(const QByteArray &bytes);

// Why the last system call failed, from errno.
QString systemError();

} // namespace kelvora
