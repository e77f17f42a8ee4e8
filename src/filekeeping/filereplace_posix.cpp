#include "filekeeping/fileaccess.h"
#include "filekeeping/posixfile.h"
#include "filekeeping/savepoints.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace {

// A temporary file beside the target, so that the rename stays on one file
// system. The name is short, so any directory that can hold the target can
// hold it too.
class TemporaryFile
{
public:
    TemporaryFile(const QByteArray &directory, mode_t mode)
    {
        for (int attempt = 0; attempt < 16 && !m_file.isValid(); ++attempt) {
            m_name = directory + "/.vimbracl-"
                    + QByteArray::number(QRandomGenerator::global()->generate(), 36);
            m_file.reset(::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
            if (!m_file.isValid() && errno != EEXIST)
                break;
        }
    }
    ~TemporaryFile()
    {
        if (!m_renamed && m_file.isValid())
            ::unlink(m_name.constData());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool isValid() const { return m_file.isValid(); }
    int fd() const { return m_file.get(); }

    // Syncs the bytes, then gives the temporary file the target's name.
    WriteResult commit(const QByteArray &target)
    {
        if (::fsync(m_file.get()) != 0)
            return WriteResult::CannotWrite;
        reachSavePoint(SavePoint::BeforeRename, QFile::decodeName(target));
        if (::rename(m_name.constData(), target.constData()) != 0)
            return WriteResult::CannotCreate; // the system refuses the name
        m_renamed = true;
        m_file.close();
        // The new name must survive a power cut too.
        const FileDescriptor directory(
                ::open(directoryOf(target).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (directory.isValid())
            ::fsync(directory.get());
        return WriteResult::Written;
    }

private:
    QByteArray m_name;
    FileDescriptor m_file;
    bool m_renamed = false;
};

#ifdef Q_OS_LINUX
// security.* attributes are the system's: a security module labels each
// new file itself and may refuse to let them be removed or set (SELinux
// does), which would make every save fall back to writing in place.
QList<QByteArray> attributeNames(const QByteArray &buffer)
{
    QList<QByteArray> names = buffer.split('\0');
    names.removeIf([](const QByteArray &name) {
        return name.isEmpty() || name.startsWith("security.");
    });
    return names;
}

std::optional<QList<QByteArray>> listedAttributes(ssize_t (*list)(int, char *, size_t), int fd)
{
    const ssize_t size = list(fd, nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP ? std::optional(QList<QByteArray>()) : std::nullopt;
    QByteArray buffer(size, Qt::Uninitialized);
    if (list(fd, buffer.data(), size_t(size)) != size)
        return std::nullopt;
    return attributeNames(buffer);
}

// Gives `to` exactly the extended attributes of `from`, the access ACL
// among them, security.* aside. The temporary file may have inherited a
// directory's default ACL, which the target may not have.
bool copyExtendedAttributes(int from, int to)
{
    const auto wanted = listedAttributes(::flistxattr, from);
    const auto inherited = listedAttributes(::flistxattr, to);
    if (!wanted || !inherited)
        return false;
    for (const QByteArray &name : *inherited) {
        if (::fremovexattr(to, name.constData()) != 0)
            return false;
    }
    for (const QByteArray &name : *wanted) {
        const ssize_t size = ::fgetxattr(from, name.constData(), nullptr, 0);
        QByteArray value(qMax<ssize_t>(size, 0), Qt::Uninitialized);
        if (size < 0 || ::fgetxattr(from, name.constData(), value.data(), size_t(size)) != size
            || ::fsetxattr(to, name.constData(), value.constData(), size_t(size), 0) != 0)
            return false;
    }
    return true;
}
#else
bool copyExtendedAttributes(int, int)
{
    return true;
}
#endif

// Makes the temporary file the same file to everyone else as the original:
// owner, group, permission bits, ACLs and extended attributes.
bool takeOverIdentity(int original, const struct stat &originalInfo, int temporary)
{
    struct stat info = {};
    if (::fstat(temporary, &info) != 0)
        return false;
    if ((info.st_uid != originalInfo.st_uid || info.st_gid != originalInfo.st_gid)
        && ::fchown(temporary, originalInfo.st_uid, originalInfo.st_gid) != 0)
        return false;
    const mode_t bits = originalInfo.st_mode & 07777;
    if (::fchmod(temporary, bits) != 0 || !copyExtendedAttributes(original, temporary))
        return false;
    // The system may quietly drop a set-group-ID bit.
    return ::fstat(temporary, &info) == 0 && (info.st_mode & 07777) == bits;
}

// Nothing when the rename cannot keep the file what it is.
std::optional<WriteResult> replaceByRename(const QByteArray &target, int original,
                                           const struct stat &originalInfo,
                                           const QByteArray &content)
{
    TemporaryFile temporary(directoryOf(target), S_IRUSR | S_IWUSR);
    if (!temporary.isValid())
        return std::nullopt;
    if (!writeAllAt(temporary.fd(), content, 0))
        return WriteResult::CannotWrite;
    if (!takeOverIdentity(original, originalInfo, temporary.fd()))
        return std::nullopt;
    return temporary.commit(target);
}

WriteResult overwriteInPlace(int file, const QByteArray &content, bool readable)
{
    std::optional<QByteArray> previous;
    if (readable) {
        const FileContent old =
                readFromDescriptor(file, std::numeric_limits<qsizetype>::max(), ReadMode::Whole);
        if (old.status != ReadStatus::Read)
            return WriteResult::CannotWrite; // no way back: leave the file alone
        previous = old.bytes;
    }
    if (writeAllAt(file, content, 0) && ::ftruncate(file, off_t(content.size())) == 0
        && ::fsync(file) == 0)
        return WriteResult::Written;
    if (previous) {
        writeAllAt(file, *previous, 0);
        if (::ftruncate(file, off_t(previous->size())) == 0)
            ::fsync(file);
    }
    return WriteResult::CannotWrite;
}

// A new file appears whole or not at all, with the mode and default ACL that
// the system gives new files there.
WriteResult createFile(const QByteArray &target, const QByteArray &content)
{
    TemporaryFile temporary(directoryOf(target), 0666);
    if (!temporary.isValid())
        return WriteResult::CannotCreate;
    if (!writeAllAt(temporary.fd(), content, 0))
        return WriteResult::CannotWrite;
    return temporary.commit(target);
}

WriteResult replaceExisting(const QByteArray &target, const QByteArray &content)
{
    constexpr int flags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    bool readable = true;
    FileDescriptor file(::open(target.constData(), O_RDWR | flags));
    if (!file.isValid() && errno == EACCES) {
        // A file its user may write but not read.
        readable = false;
        file.reset(::open(target.constData(), O_WRONLY | flags));
    }
    struct stat info = {};
    if (!file.isValid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return WriteResult::CannotCreate;
    // Every hard link must see the new content.
    if (info.st_nlink == 1) {
        if (const std::optional<WriteResult> result =
                    replaceByRename(target, file.get(), info, content))
            return *result;
    }
    return overwriteInPlace(file.get(), content, readable);
}

} // namespace

FileBackend fileBackend()
{
    return FileBackend::Posix;
}

WriteResult replaceFileContent(const QString &path, const QByteArray &content)
{
    const std::optional<QByteArray> target = resolvedTarget(QFile::encodeName(path));
    if (!target)
        return WriteResult::CannotCreate;
    struct stat info = {};
    if (::stat(target->constData(), &info) != 0)
        return errno == ENOENT ? createFile(*target, content) : WriteResult::CannotCreate;
    // Checked before opening: a FIFO or a device is never opened.
    if (!S_ISREG(info.st_mode))
        return WriteResult::CannotCreate;
    return replaceExisting(*target, content);
}
