#include "filekeeping/posix/identity_posix.h"

#include "filekeeping/posix/systemcalls_posix.h"

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <optional>

#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif

namespace {

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
        if (systemCalls().fremovexattr(to, name.constData()) != 0)
            return false;
    }
    for (const QByteArray &name : *wanted) {
        const ssize_t size = ::fgetxattr(from, name.constData(), nullptr, 0);
        QByteArray value(qMax<ssize_t>(size, 0), Qt::Uninitialized);
        if (size < 0 || ::fgetxattr(from, name.constData(), value.data(), size_t(size)) != size
            || systemCalls().fsetxattr(to, name.constData(), value.constData(), size_t(size), 0) != 0)
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

} // namespace

bool takeOverIdentity(int original, const struct stat &originalInfo, int temporary)
{
    struct stat info = {};
    if (systemCalls().fstat(temporary, &info) != 0)
        return false;
    if ((info.st_uid != originalInfo.st_uid || info.st_gid != originalInfo.st_gid)
        && systemCalls().fchown(temporary, originalInfo.st_uid, originalInfo.st_gid) != 0)
        return false;
    // The mode comes last: a group or other bit set before the ACL is in
    // place would let in someone whom the ACL keeps out.
    const mode_t bits = originalInfo.st_mode & 07777;
    if (!copyExtendedAttributes(original, temporary) || systemCalls().fchmod(temporary, bits) != 0)
        return false;
    // The system may quietly drop a set-group-ID bit.
    return systemCalls().fstat(temporary, &info) == 0 && (info.st_mode & 07777) == bits;
}

