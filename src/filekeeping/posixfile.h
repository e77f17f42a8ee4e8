#pragma once

// Small POSIX helpers behind the file access of Unix builds.

#include "filekeeping/fileaccess.h"

#include <QByteArray>

#include <optional>

#include <sys/stat.h>
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

FileIdentity identityOf(const struct stat &info);

// The directory part of a path ("." when there is none), and the last part.
QByteArray directoryOf(const QByteArray &path);
QByteArray fileNameOf(const QByteArray &path);
QByteArray joined(const QByteArray &directory, const QByteArray &name);

// Whether a failed lookup's errno means that nothing stands at the name (no
// file can exist under a name the system refuses, either).
bool isMissingName(int error);

// The file open as `fd`, described by `info`, read as `mode` says.
FileContent readOpenFile(int fd, const struct stat &info, qsizetype limit, ReadMode mode);

// Syncs the directory that holds `path`, so that a new name in it survives
// a power cut. File systems that cannot sync a directory are not a failure.
bool syncDirectoryOf(const QByteArray &path);

// The file that `path` names, resolved part by part as the system resolves
// it: an absolute path without links. For a name that does not exist yet, a
// dangling link included, the path it would be created under. Nothing for a
// link loop, a link the system's protected_symlinks rule would not follow
// (another user's, in a sticky world-writable directory whose owner is not
// that user), or a part that cannot be examined.
std::optional<QByteArray> resolvedTarget(const QByteArray &path);

// Opens the resolved target without following a link in its last part, so
// that a link swapped in after resolving is not followed either.
int openTarget(const QByteArray &target, int flags);
