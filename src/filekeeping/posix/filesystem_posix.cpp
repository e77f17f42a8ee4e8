#include "filekeeping/filesystem.h"

#include "filekeeping/posix/identity_posix.h"
#include "filekeeping/posix/links_posix.h"
#include "filekeeping/posix/paths_posix.h"
#include "filekeeping/posix/reading_posix.h"
#include "filekeeping/posix/systemcalls_posix.h"

#include <QFile>

#include <cerrno>
#include <ctime>

#include <dirent.h>
#include <signal.h>

namespace filesystem {

namespace {

Fault faultOf(int error)
{
    return error == EEXIST ? Fault::Exists : Fault::Other;
}

Fault faultUnless(bool done)
{
    return done ? Fault::None : faultOf(errno);
}

} // namespace

std::optional<SystemName> saveTarget(const QString &path)
{
    return resolvedTarget(QFile::encodeName(path));
}

QString shownName(const SystemName &name)
{
    return QFile::decodeName(name);
}

SystemName directoryOf(const SystemName &name)
{
    return ::directoryOf(name);
}

SystemName beside(const SystemName &name, const QString &fileName)
{
    return joined(::directoryOf(name), QFile::encodeName(fileName));
}

QString fileNameOf(const SystemName &name)
{
    return QFile::decodeName(::fileNameOf(name));
}

// Opened for writing too, as long as the save lasts: a file its user may
// write but not read is still written.
Opened open(const SystemName &target)
{
    Opened opened;
    struct stat named = {};
    if (systemCalls().lstat(target.constData(), &named) != 0 && errno == ENOENT) {
        opened.kind = Opened::Kind::Missing;
        return opened;
    }
    if (!S_ISREG(named.st_mode))
        return opened;
    opened.file.reset(openTarget(target, O_RDWR));
    opened.readable = opened.file.isValid() || errno != EACCES;
    if (!opened.readable)
        opened.file.reset(openTarget(target, O_WRONLY));
    if (!opened.file.isValid() || systemCalls().fstat(opened.file.get(), &opened.facts) != 0
        || !S_ISREG(opened.facts.st_mode))
        return Opened();
    opened.kind = Opened::Kind::File;
    opened.writable = true;
    opened.links = int(opened.facts.st_nlink);
    opened.identity = identityOf(opened.facts);
    return opened;
}

qint64 readSome(SystemFile &file, char *buffer, qint64 size)
{
    for (;;) {
        const ssize_t count = systemCalls().read(file.get(), buffer, size_t(size));
        if (count >= 0 || errno != EINTR)
            return qint64(count);
    }
}

bool rewind(SystemFile &file)
{
    return systemCalls().lseek(file.get(), 0, SEEK_SET) == 0;
}

SystemFile writable(const SystemName &, Opened &opened)
{
    return SystemFile(systemCalls().dup(opened.file.get()));
}

SystemFile createNew(const SystemName &name, Access access, Fault &fault)
{
    const mode_t mode = access == Access::Private ? S_IRUSR | S_IWUSR : 0666;
    SystemFile file(systemCalls().open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    fault = faultUnless(file.isValid());
    return file;
}

bool takeOverIdentity(const Opened &opened, SystemFile &copy)
{
    return ::takeOverIdentity(opened.file.get(), opened.facts, copy.get());
}

// Also when root saved the file; where that is refused the copy stays the
// process user's, still private.
void handOver(const Opened &opened, SystemFile &copy)
{
    if (systemCalls().fchown(copy.get(), opened.facts.st_uid, opened.facts.st_gid) != 0) {
    }
}

bool writeAt(SystemFile &file, const QByteArray &bytes, qint64 offset)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count = systemCalls().pwrite(file.get(), bytes.constData() + done,
                                                   size_t(bytes.size() - done), off_t(offset + done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

bool truncate(SystemFile &file, qint64 size)
{
    return systemCalls().ftruncate(file.get(), off_t(size)) == 0;
}

bool sync(SystemFile &file)
{
    return systemCalls().fsync(file.get()) == 0;
}

// A folder the process may not open cannot be synced by it, and file
// systems that cannot sync a folder (EINVAL, ENOTSUP) are no failure.
bool syncDirectory(const SystemName &directory)
{
    SystemFile folder(systemCalls().open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    return !folder.isValid() || sync(folder) || errno == EINVAL || errno == ENOTSUP;
}

// A rename replaces the file at once; nothing moves aside.
Fault replace(const SystemName &replacement, const SystemName &replaced, const SystemName &)
{
    return faultUnless(systemCalls().rename(replacement.constData(), replaced.constData()) == 0);
}

Fault name(const SystemName &from, const SystemName &to)
{
    return replace(from, to, {});
}

// Where the system has no such rename: a second name that cannot replace
// anything, then the first name goes.
Fault moveWithoutReplacing(const SystemName &from, const SystemName &to)
{
    if (systemCalls().renameNoReplace(from.constData(), to.constData()) == 0)
        return Fault::None;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return faultOf(errno);
    if (systemCalls().link(from.constData(), to.constData()) != 0)
        return faultOf(errno);
    systemCalls().unlink(from.constData());
    return Fault::None;
}

bool remove(const SystemName &name)
{
    return systemCalls().unlink(name.constData()) == 0;
}

Presence presenceAt(const SystemName &name)
{
    struct stat info = {};
    if (systemCalls().lstat(name.constData(), &info) != 0)
        return isMissingName(errno) ? Presence::Free : Presence::Unknown;
    return S_ISREG(info.st_mode) ? Presence::File : Presence::Other;
}

std::optional<FileIdentity> identityAt(const SystemName &name)
{
    struct stat info = {};
    if (systemCalls().lstat(name.constData(), &info) != 0)
        return std::nullopt;
    return identityOf(info);
}

void markChanged(const SystemName &, const Opened &)
{
}

bool isProcessRunning(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

std::vector<Entry> filesBeside(const SystemName &name, const std::function<bool(const QString &)> &wanted)
{
    std::vector<Entry> files;
    DIR *const entries = ::opendir(::directoryOf(name).constData());
    if (!entries)
        return files;
    const time_t now = std::time(nullptr);
    while (const dirent *entry = ::readdir(entries)) {
        const QString fileName = QFile::decodeName(entry->d_name);
        struct stat info = {};
        if (wanted(fileName) && ::fstatat(::dirfd(entries), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode))
            files.push_back({joined(::directoryOf(name), entry->d_name), fileName, qint64(now - info.st_mtime)});
    }
    ::closedir(entries);
    return files;
}

} // namespace filesystem
