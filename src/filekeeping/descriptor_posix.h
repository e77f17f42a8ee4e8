#pragma once

// Descriptors, and the few ways the program writes through them.

#include <QByteArray>

#include <functional>

#include <sys/types.h>

// Owns a file descriptor and closes it.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor &&other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    FileDescriptor &operator=(FileDescriptor &&other) noexcept;
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

bool writeAllAt(int fd, const QByteArray &bytes, off_t offset);

// Every sync of a save goes through here, so that tests see each one, in
// order. `path` names what is synced.
bool syncToDisk(int fd, const QByteArray &path);

// Syncs the directory that holds `path`, so that a new or removed name in it
// survives a power cut. A directory the process may not open cannot be
// synced by it, and file systems that cannot sync a directory (EINVAL,
// ENOTSUP) are no failure either.
bool syncDirectoryOf(const QByteArray &path);

// A file created new, never one that stood there: the first of the names
// `nameFor(1)`, `nameFor(2)`, ... up to `attempts` that is free.
struct CreatedFile
{
    FileDescriptor file; // invalid when none could be created
    QByteArray name;
};
CreatedFile createExclusively(const std::function<QByteArray(int attempt)> &nameFor, int attempts,
                              mode_t mode);
