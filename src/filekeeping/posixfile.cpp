#include "filekeeping/posixfile.h"

#include "filekeeping/boundedread.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

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

QByteArray directoryOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

namespace {

QByteArray fileNameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray joined(const QByteArray &directory, const QByteArray &name)
{
    return directory.endsWith('/') ? directory + name : directory + '/' + name;
}

std::optional<QByteArray> canonicalPath(const QByteArray &path)
{
    char *resolved = ::realpath(path.constData(), nullptr);
    if (!resolved)
        return std::nullopt;
    QByteArray result(resolved);
    std::free(resolved);
    return result;
}

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

} // namespace

std::optional<QByteArray> resolvedTarget(QByteArray path)
{
    // The system gives up on a chain of links at about this depth too.
    for (int depth = 0; depth < 40; ++depth) {
        if (const std::optional<QByteArray> existing = canonicalPath(path))
            return existing;
        if (errno != ENOENT)
            return std::nullopt;
        // The name is missing, or it is a dangling link: resolve its
        // directory, then follow the link text from there.
        const std::optional<QByteArray> directory = canonicalPath(directoryOf(path));
        if (!directory)
            return path; // creating it will fail with the system's own reason
        const QByteArray candidate = joined(*directory, fileNameOf(path));
        const std::optional<QByteArray> text = linkText(candidate);
        if (!text)
            return candidate;
        path = text->startsWith('/') ? *text : joined(*directory, *text);
    }
    return std::nullopt;
}
