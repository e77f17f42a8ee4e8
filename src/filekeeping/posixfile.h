#pragma once

// Small POSIX helpers behind the file access of Unix builds.

#include "filekeeping/fileaccess.h"

#include <QByteArray>

#include <optional>

#include <sys/types.h>

// Owns a file descriptor and closes it.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return m_fd; }
    bool isValid() const { return m_fd >= 0; }
    void reset(int fd = -1);
    // Closes now; false when the system reports an error on close.
    bool close();

private:
    int m_fd;
};

// Reads on from the current offset, as `mode` says, at most `limit` bytes.
FileContent readFromDescriptor(int fd, qsizetype limit, ReadMode mode);

bool writeAllAt(int fd, const QByteArray &bytes, off_t offset);

// The directory part of a path ("." when there is none).
QByteArray directoryOf(const QByteArray &path);

// The file that `path` names, resolved as the system resolves it: the
// canonical path of an existing file; for a name that does not exist yet, a
// dangling link included, the canonical path it would be created under.
// Nothing for a link loop or a path the system refuses.
std::optional<QByteArray> resolvedTarget(QByteArray path);
