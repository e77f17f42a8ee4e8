#include "filekeeping/posixfile.h"

#include "filekeeping/boundedread.h"
#include "filekeeping/savepoints.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

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

FileContent readFromDescriptor(int fd, qsizetype limit, ReadMode mode)
{
    return readBounded(
            [fd](char *buffer, qint64 size) {
                for (;;) {
                    const ssize_t count = ::read(fd, buffer, size_t(size));
                    if (count >= 0 || errno != EINTR)
                        return qint64(count);
                }
            },
            limit, mode);
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

FileIdentity identityOf(const struct stat &info)
{
    return {quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

QByteArray directoryOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray fileNameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

bool syncDirectoryOf(const QByteArray &path)
{
    const FileDescriptor directory(
            ::open(directoryOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.isValid())
        return true; // a directory the process may not open cannot be synced by it
    if (!reachSavePoint(SavePoint::DirectorySync, QFile::decodeName(path)))
        return false;
    return ::fsync(directory.get()) == 0 || errno == EINVAL || errno == ENOTSUP;
}

int openTarget(const QByteArray &target, int flags)
{
    return ::open(target.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

QByteArray joined(const QByteArray &directory, const QByteArray &name)
{
    return directory.endsWith('/') ? directory + name : directory + '/' + name;
}

bool isMissingName(int error)
{
    return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG;
}

FileContent readOpenFile(int fd, const struct stat &info, qsizetype limit, ReadMode mode)
{
    FileContent content = mode == ReadMode::Whole && info.st_size > limit
            ? FileContent{ReadStatus::TooLong, {}, {}}
            : readFromDescriptor(fd, limit, mode);
    content.identity = identityOf(info);
    return content;
}

namespace {

// The text of a symbolic link; nothing when `path` is no link.
std::optional<QByteArray> linkText(const QByteArray &path)
{
    QByteArray text(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink(path.constData(), text.data(), size_t(text.size()));
    if (length < 0 || length >= text.size())
        return std::nullopt;
    text.truncate(length);
    return text;
}

// The kernel's protected_symlinks rule, applied whether or not the system
// has it switched on: in a sticky, world-writable directory, follow only
// links that the process's user or the directory's owner made.
bool mayFollow(const QByteArray &directory, const struct stat &link)
{
    struct stat info = {};
    if (::stat(directory.constData(), &info) != 0)
        return false;
    const bool shared = (info.st_mode & S_ISVTX) && (info.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == info.st_uid;
}

QList<QByteArray> partsOf(const QByteArray &path)
{
    QList<QByteArray> parts = path.split('/');
    parts.removeIf([](const QByteArray &part) { return part.isEmpty() || part == "."; });
    return parts;
}

QByteArray currentDirectory()
{
    char *current = ::getcwd(nullptr, 0);
    QByteArray result(current ? current : "/");
    std::free(current);
    return result;
}

} // namespace

std::optional<QByteArray> resolvedTarget(const QByteArray &path)
{
    QByteArray resolved = path.startsWith('/') ? QByteArray("/") : currentDirectory();
    QList<QByteArray> pending = partsOf(path);
    // The system gives up on a chain of links at about this depth too.
    int links = 0;
    while (!pending.isEmpty()) {
        const QByteArray part = pending.takeFirst();
        if (part == "..") {
            resolved = directoryOf(resolved);
            continue;
        }
        const QByteArray candidate = joined(resolved, part);
        struct stat info = {};
        if (::lstat(candidate.constData(), &info) != 0) {
            if (!isMissingName(errno))
                return std::nullopt;
            // Missing: opening or creating it fails, or creates it, as the
            // system says.
            return pending.isEmpty() ? candidate : joined(candidate, pending.join('/'));
        }
        if (!S_ISLNK(info.st_mode)) {
            resolved = candidate;
            continue;
        }
        const std::optional<QByteArray> text = linkText(candidate);
        if (++links > 40 || !text || !mayFollow(resolved, info))
            return std::nullopt;
        if (text->startsWith('/'))
            resolved = "/";
        pending = partsOf(*text) + pending;
    }
    return resolved;
}
