#include "filekeeping/descriptor_posix.h"

#include "filekeeping/paths_posix.h"
#include "filekeeping/savepoints.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

FileDescriptor &FileDescriptor::operator=(FileDescriptor &&other) noexcept
{
    if (this != &other) {
        reset(other.m_fd);
        other.m_fd = -1;
    }
    return *this;
}

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

bool FileDescriptor::close()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd < 0 || ::close(fd) == 0;
}

bool writeAllAt(int fd, const QByteArray &bytes, off_t offset)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done),
                                       offset + off_t(done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

bool syncToDisk(int fd, const QByteArray &path)
{
    if (!reachSavePoint(SavePoint::Syncing, QFile::decodeName(path))) {
        errno = EIO;
        return false;
    }
    return ::fsync(fd) == 0;
}

bool syncDirectoryOf(const QByteArray &path)
{
    const QByteArray directory = directoryOf(path);
    const FileDescriptor handle(::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!handle.isValid())
        return true;
    return syncToDisk(handle.get(), directory) || errno == EINVAL || errno == ENOTSUP;
}

CreatedFile createExclusively(const std::function<QByteArray(int attempt)> &nameFor, int attempts,
                              mode_t mode)
{
    CreatedFile created;
    for (int attempt = 1; attempt <= attempts && !created.file.isValid(); ++attempt) {
        created.name = nameFor(attempt);
        created.file.reset(::open(created.name.constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (!created.file.isValid() && errno != EEXIST)
            break;
    }
    return created;
}
