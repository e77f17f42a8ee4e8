#include "filekeeping/temporaryfile_posix.h"

#include "filekeeping/paths_posix.h"
#include "filekeeping/savepoints.h"
#include "filekeeping/temporarynames.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Regular files of the program's own name, untouched for over a minute: no
// save still runs that long.
void removeStaleTemporaries(const QByteArray &directory)
{
    DIR *const entries = ::opendir(directory.constData());
    if (!entries)
        return;
    const time_t before = std::time(nullptr) - staleTemporarySeconds;
    while (const dirent *entry = ::readdir(entries)) {
        struct stat info = {};
        if (isTemporaryFileName(QString::fromLocal8Bit(entry->d_name))
            && ::fstatat(::dirfd(entries), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && info.st_mtime < before)
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
    }
    ::closedir(entries);
}

// A rename that fails where `to` exists; false with errno set otherwise.
bool renameWithoutReplacing(const QByteArray &from, const QByteArray &to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
#endif
    // Where the system has no such rename: a second name that cannot
    // replace anything, then the first name goes.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

} // namespace

TemporaryFile::TemporaryFile(const QByteArray &target, mode_t mode) : m_target(target)
{
    const QByteArray directory = directoryOf(target);
    removeStaleTemporaries(directory);
    CreatedFile created = createExclusively(
            [&directory](int) { return joined(directory, QFile::encodeName(temporaryFileName())); }, 16, mode);
    m_file = std::move(created.file);
    m_name = created.name;
    m_created = m_file.isValid();
}

// Closed before it loses a name: some FUSE file systems keep an open file
// they are told to remove, as a hidden file that outlives a power cut.
TemporaryFile::~TemporaryFile()
{
    if (m_named || !m_created)
        return;
    m_file.close();
    ::unlink(m_name.constData());
}

bool TemporaryFile::fill(const QByteArray &content)
{
    const QString target = QFile::decodeName(m_target);
    return reachSavePoint(SavePoint::TemporaryCreated, target) && writeAllAt(m_file.get(), content, 0)
            && reachSavePoint(SavePoint::TemporaryWritten, target) && syncToDisk(m_file.get(), m_name);
}

WriteResult TemporaryFile::replaceTarget()
{
    m_file.close();
    if (::rename(m_name.constData(), m_target.constData()) != 0)
        return WriteResult::CannotCreate; // the system refuses the name
    return renamed(m_target) ? WriteResult::Written : WriteResult::CannotWrite;
}

TemporaryFile::Naming TemporaryFile::nameWithoutReplacing(const QByteArray &name)
{
    m_file.close();
    if (!renameWithoutReplacing(m_name, name))
        return errno == EEXIST ? Naming::Taken : Naming::Failed;
    if (renamed(name))
        return Naming::Named;
    // Named, but not surely for good: no copy to rely on.
    ::unlink(name.constData());
    return Naming::Failed;
}

bool TemporaryFile::renamed(const QByteArray &name)
{
    m_named = true;
    m_name = name;
    m_file.close();
    return reachSavePoint(SavePoint::Renamed, QFile::decodeName(m_target)) && syncDirectoryOf(name);
}
