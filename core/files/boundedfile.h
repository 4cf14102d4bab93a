#pragma once

// Reading a whole file the user named, once and with a bound: nothing that is not a
// regular file is read (a named pipe or a device could block or never end), and a file
// longer than the caller can use is refused without being read whole.

#include <QByteArray>
#include <QString>

namespace kest {

enum class FileRead {
    Ok,
    Missing, ///< nothing at the path (or a link to nothing)
    NotRegular, ///< a folder, a named pipe, a device, a socket
    TooLarge, ///< longer than the limit
    Unreadable, ///< there, but opening or reading it failed
};

struct FileBytes
{
    FileRead result = FileRead::Missing;
    QByteArray bytes; ///< the whole file when result is Ok, else empty
};

/// Reads the file at `path` (following links) in one pass, at most `limit` bytes. The
/// type is checked on what was opened, and the open itself cannot block, so a path
/// swapped for a pipe in between is refused as well. The length is what was read, not
/// what the file system claims, so a file that grows meanwhile is refused too.
FileBytes readBoundedFile(const QString &path, qint64 limit);

} // namespace kest
