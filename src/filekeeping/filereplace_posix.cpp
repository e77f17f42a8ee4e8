#include "filekeeping/backup_posix.h"
#include "filekeeping/descriptor_posix.h"
#include "filekeeping/fileaccess.h"
#include "filekeeping/identity_posix.h"
#include "filekeeping/links_posix.h"
#include "filekeeping/paths_posix.h"
#include "filekeeping/reading_posix.h"
#include "filekeeping/savelock.h"
#include "filekeeping/savepoints.h"
#include "filekeeping/temporaryfile_posix.h"

#include <QFile>

#include <cerrno>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct FileReplacement::State
{
    std::optional<QByteArray> target; // nothing: no regular file may be written there
    std::optional<SaveLock> lock;
    FileDescriptor file; // the file as it was read, when there is one
    bool readable = true;
    bool readWhole = false; // `current` holds every byte of the file
    struct stat info = {};
    FileContent current;
    FileIdentity written;

    void open(qsizetype limit, ReadMode mode);
    WriteResult replace(const QByteArray &content);
    std::optional<WriteResult> replaceByRename(const QByteArray &content);
    WriteResult overwriteInPlace(const QByteArray &content);
    bool mayOverwrite(Backup &backup);
    std::optional<QByteArray> previousBytes();
    bool writeInPlace(const QByteArray &content);
    WriteResult createFile(const QByteArray &content);
    WriteResult fillAndReplace(TemporaryFile &temporary, const QByteArray &content);
};

FileReplacement::FileReplacement(const QString &path, qsizetype limit, ReadMode mode)
    : d(std::make_unique<State>())
{
    d->target = resolvedTarget(QFile::encodeName(path));
    if (d->target)
        d->lock.emplace(QFile::decodeName(*d->target));
    if (d->target && d->lock->mayWrite()) {
        d->open(limit, mode);
        return;
    }
    d->target.reset();
    d->current.status = ReadStatus::Unreadable;
}

FileReplacement::~FileReplacement() = default;

// Opens the file and reads it. A FIFO or a device is never opened, a link
// swapped in never followed.
void FileReplacement::State::open(qsizetype limit, ReadMode mode)
{
    struct stat named = {};
    if (::lstat(target->constData(), &named) != 0 && errno == ENOENT) {
        current.status = ReadStatus::Missing;
        return;
    }
    if (S_ISREG(named.st_mode)) {
        file.reset(openTarget(*target, O_RDWR));
        readable = file.isValid() || errno != EACCES;
        // A file its user may write but not read.
        if (!readable)
            file.reset(openTarget(*target, O_WRONLY));
    }
    if (!file.isValid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        file.reset();
        target.reset();
        current.status = ReadStatus::Unreadable;
        return;
    }
    current = readable && reachSavePoint(SavePoint::Reading, QFile::decodeName(*target))
            ? readOpenFile(file.get(), info, limit, mode)
            : FileContent{ReadStatus::Unreadable, {}, identityOf(info)};
    readWhole = mode == ReadMode::Whole && current.status == ReadStatus::Read;
}

bool FileReplacement::isWritable() const
{
    return d->target.has_value();
}

const FileContent &FileReplacement::current() const
{
    return d->current;
}

void FileReplacement::abandon()
{
    d->file.reset();
    d->target.reset();
    if (d->lock)
        d->lock->unlock();
}

const FileIdentity &FileReplacement::written() const
{
    return d->written;
}

WriteResult FileReplacement::replace(const QByteArray &content)
{
    if (!d->target)
        return WriteResult::CannotCreate;
    return d->replace(content);
}

WriteResult FileReplacement::State::replace(const QByteArray &content)
{
    if (!file.isValid())
        return current.status == ReadStatus::Missing ? createFile(content)
                                                     : WriteResult::CannotCreate;
    // Every hard link must see the new content.
    if (info.st_nlink == 1) {
        if (const std::optional<WriteResult> result = replaceByRename(content))
            return *result;
    }
    return overwriteInPlace(content);
}

// Nothing when the rename cannot keep the file what it is.
std::optional<WriteResult> FileReplacement::State::replaceByRename(const QByteArray &content)
{
    TemporaryFile temporary(*target, S_IRUSR | S_IWUSR);
    if (!temporary.isValid() || !takeOverIdentity(file.get(), info, temporary.fd()))
        return std::nullopt;
    // A file held open while a rename replaces it is, on many FUSE file
    // systems, first renamed aside: a crash then would leave no file.
    file.reset();
    return fillAndReplace(temporary, content);
}

WriteResult FileReplacement::State::overwriteInPlace(const QByteArray &content)
{
    const std::optional<QByteArray> previous = previousBytes();
    if (readable && !previous)
        return WriteResult::CannotWrite; // no way back: leave the file alone
    std::optional<Backup> backup;
    if (previous) {
        backup.emplace(*target, info, *previous);
        if (!mayOverwrite(*backup))
            return WriteResult::CannotWrite;
    }
    if (writeInPlace(content)) {
        if (backup)
            backup->remove();
        return WriteResult::Written;
    }
    // The backup stays unless the previous bytes are back in place.
    if (previous && writeInPlace(*previous))
        backup->remove();
    return WriteResult::CannotWrite;
}

// Where the directory takes no new file, there is no room for a backup
// either, and the file is written without one; it is still put back if
// writing fails. A copy that could not be made whole means trouble with
// the disk: the file is left alone.
bool FileReplacement::State::mayOverwrite(Backup &backup)
{
    switch (backup.outcome()) {
    case Backup::Outcome::NoRoom:
        return true;
    case Backup::Outcome::Failed:
        return false;
    case Backup::Outcome::Made:
        break;
    }
    if (reachSavePoint(SavePoint::BackupNamed, QFile::decodeName(*target)))
        return true;
    backup.remove();
    return false;
}

// Every byte the file holds now, read under the lock; nothing when it
// cannot be read.
std::optional<QByteArray> FileReplacement::State::previousBytes()
{
    if (readWhole)
        return current.bytes;
    if (!readable || ::lseek(file.get(), 0, SEEK_SET) != 0)
        return std::nullopt;
    const FileContent old =
            readFromDescriptor(file.get(), std::numeric_limits<qsizetype>::max(), ReadMode::Whole);
    if (old.status != ReadStatus::Read)
        return std::nullopt;
    return old.bytes;
}

bool FileReplacement::State::writeInPlace(const QByteArray &content)
{
    struct stat result = {};
    if (!writeAllAt(file.get(), content, 0)
        || !reachSavePoint(SavePoint::WrittenInPlace, QFile::decodeName(*target))
        || ::ftruncate(file.get(), off_t(content.size())) != 0 || !syncToDisk(file.get(), *target)
        || ::fstat(file.get(), &result) != 0)
        return false;
    written = identityOf(result);
    return true;
}

// A new file appears whole or not at all, with the mode and default ACL that
// the system gives new files there.
WriteResult FileReplacement::State::createFile(const QByteArray &content)
{
    TemporaryFile temporary(*target, 0666);
    if (!temporary.isValid())
        return WriteResult::CannotCreate;
    return fillAndReplace(temporary, content);
}

WriteResult FileReplacement::State::fillAndReplace(TemporaryFile &temporary,
                                                   const QByteArray &content)
{
    struct stat result = {};
    if (!temporary.fill(content) || ::fstat(temporary.fd(), &result) != 0)
        return WriteResult::CannotWrite;
    written = identityOf(result);
    return temporary.replaceTarget();
}

