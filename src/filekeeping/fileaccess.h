#pragma once

#include <QByteArray>
#include <QString>

// The two files are the user's: they are only ever read, replaced or
// truncated when they are regular files, and a save keeps what makes a file
// the same file to everyone else.

enum class ReadStatus {
    Read,
    Missing,    // nothing by that name (a dangling link included)
    Unreadable, // exists, but is no regular file, may not be read, or reading failed
    TooLong,    // longer than the limit
};

enum class ReadMode {
    FirstLine, // up to and including the first line feed
    Whole,     // the whole file
    Prefix,    // at most the first `limit` bytes
};

struct FileContent
{
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
};

// Never opens anything but a regular file, and never blocks: a FIFO, a
// socket, a device or a link loop is Unreadable without being read.
FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode);

enum class WriteResult {
    Written,
    CannotCreate, // no regular file may be written there
    CannotWrite,  // a write, the sync or the final rename failed
};

// Replaces the content of the file that `path` resolves to, the way the
// system resolves links. The new bytes go to a temporary file that takes
// over the owner, group, permissions, ACLs and extended attributes and is
// then renamed over the file, so a failure leaves the old content whole.
// Where a rename cannot keep the file what it is (hard links, an owner the
// process may not give, no temporary file allowed beside it), the file is
// overwritten in place, and its previous bytes are put back if that fails.
WriteResult replaceFileContent(const QString &path, const QByteArray &content);

enum class FileBackend {
    Posix, // also keeps owner, group, ACLs, extended attributes and hard links
    Qt,    // Qt's portable file classes, what a Windows build uses
};
FileBackend fileBackend();
