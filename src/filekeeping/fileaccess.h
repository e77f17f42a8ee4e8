#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

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
    FirstLine, // up to and including the first line feed, in the file's encoding
    Whole,     // the whole file
    Prefix,    // at most the first `limit` bytes
};

// Which file a name led to, and in what state: another program that
// replaces or edits the file changes it.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;     // 0: not known (file systems that give every file 0)
    quint64 inodeHigh = 0; // Windows' file IDs have 128 bits (ReFS uses them)
    qint64 size = -1;
    qint64 modifiedNs = 0;

    bool operator==(const FileIdentity &other) const
    {
        return device == other.device && inode == other.inode && inodeHigh == other.inodeHigh
                && size == other.size && modifiedNs == other.modifiedNs;
    }
    bool operator!=(const FileIdentity &other) const { return !(*this == other); }
};

struct FileContent
{
    ReadStatus status = ReadStatus::Missing;
    QByteArray bytes;
    FileIdentity identity; // of the file found, when there was one
};

// Never opens anything but a regular file, and never blocks: a FIFO, a
// socket, a device or a link loop is Unreadable without being read. Links
// are followed as the system's protected_symlinks rule allows: in a sticky,
// world-writable directory only the process's own links and those of the
// directory's owner; another user's link there is Unreadable.
FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode);

enum class WriteResult {
    Written,
    CannotCreate, // no regular file may be written there
    CannotWrite,  // a write, a sync or the final rename failed
};

// One save of the file that `path` leads to (links followed as for
// reading). While it lives, it holds the file's save lock, so saves by two
// instances never interleave; it has read what the file holds now.
//
// replace() writes the new bytes to a temporary file that takes over the
// owner, group, ACLs, extended attributes and then the permissions before it
// receives them, syncs it and renames it over the file, holding the file
// itself open no longer; then it syncs the directory. A failure leaves the
// old content whole. Where a rename cannot keep the file what it is (hard
// links, an owner the process may not give, no temporary file allowed
// beside it), the file is written in place, with a synced copy of its
// previous bytes beside it until the new ones are synced; those bytes are
// put back if writing fails.
class FileReplacement
{
public:
    FileReplacement(const QString &path, qsizetype limit, ReadMode mode);
    ~FileReplacement();
    FileReplacement(const FileReplacement &) = delete;
    FileReplacement &operator=(const FileReplacement &) = delete;

    // False when no regular file may be written at that name: something
    // else stands there, or a link the process may not follow.
    bool isWritable() const;
    const FileContent &current() const;
    // Gives the save up and lets go of the file and the lock, for instance
    // while the user is asked something; replace() then writes nothing.
    void abandon();
    WriteResult replace(const QByteArray &content);
    // The file as replace() left it.
    const FileIdentity &written() const;

    struct State;

private:
    std::unique_ptr<State> d;
};

// While one lives, every wait of this thread for another program that
// holds a file (Windows' indexers and scanners) shares one bound of about a
// second and a half, so that saving both files waits another program out
// once. A save makes its own where none lives.
class WaitBound
{
public:
    WaitBound();
    ~WaitBound();
    WaitBound(const WaitBound &) = delete;
    WaitBound &operator=(const WaitBound &) = delete;

    struct Waits;

private:
    std::unique_ptr<Waits> d;
};

// Whether a file may be kept at that name at all. Windows refuses names it
// would turn into a device, a named stream or a folder, or whose last dot
// or space it would drop.
bool isKeepableName(const QString &path);
// The name a file is known by: on Windows with its short (8.3) parts made
// long, so that a file beside it is named after what the user sees.
QString usualFileName(const QString &path);

// Whether both names lead to one file (links, hard links).
bool sameFile(const QString &first, const QString &second);

// The copies of previous bytes that saves in place left beside the file
// `path` leads to, when they were cut short.
QStringList interruptedSaveBackups(const QString &path);
