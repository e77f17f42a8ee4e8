#include "filekeeping/posix/links_posix.h"

#include "filekeeping/posix/paths_posix.h"
#include "filekeeping/posix/systemcalls_posix.h"

#include <QList>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
        if (systemCalls().lstat(candidate.constData(), &info) != 0) {
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

int openTarget(const QByteArray &target, int flags)
{
    return systemCalls().open(target.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
}
