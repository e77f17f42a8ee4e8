#include "filekeeping/fileaccess.h"
#include "filekeeping/posixfile.h"
#include "filekeeping/posixidentity.h"
#include "filekeeping/savepoints.h"
#include "filekeeping/temporaryfile_posix.h"

#include <QFile>

#include <cerrno>
#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

struct FileReplacement::State
{
    std::optional<QByteArray> target; // nothing: no regular file may be written there
    FileDescriptor file;              // the locked file, when there is one
    bool readable = true;
    bool readWhole = false; // `current` holds every byte of the locked file
    struct stat info = {};
    FileContent current;
    FileIdentity written;

    void open(qsizetype limit, ReadMode mode);
    bool lock();
    WriteResult replace(const QByteArray &content);
    std::optional<WriteResult> replaceByRename(const QByteArray &content);
    WriteResult overwriteInPlace(const QByteArray &content);
    bool writeInPlace(const QByteArray &content);
    WriteResult createFile(const QByteArray &content);
    WriteResult fillAndCommit(TemporaryFile &temporary, const QByteArray &content);
};

FileReplacement::FileReplacement(const QString &path, qsizetype limit, ReadMode mode)
    : d(std::make_unique<State>())
{
    d->target = resolvedTarget(QFile::encodeName(path));
    if (d->target)
        d->open(limit, mode);
    else
        d->current.status = ReadStatus::Unreadable;
}

FileReplacement::~FileReplacement() = default;

// Opens and locks the file, then reads it. A save that held the lock may
// have renamed a new file over the name meanwhile: then the new one is
// locked instead.
void FileReplacement::State::open(qsizetype limit, ReadMode mode)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        struct stat named = {};
        if (::lstat(target->constData(), &named) != 0) {
            if (errno != ENOENT)
                break;
            current.status = ReadStatus::Missing;
            return;
        }
        // A FIFO or a device is never opened, a link swapped in never followed.
        if (!S_ISREG(named.st_mode))
            break;
        readable = true;
        file.reset(openTarget(*target, O_RDWR));
        if (!file.isValid() && errno == EACCES) {
            // A file its user may write but not read.
            readable = false;
            file.reset(openTarget(*target, O_WRONLY));
        }
        if (!file.isValid() || !lock())
            break;
        if (::lstat(target->constData(), &named) != 0 || named.st_dev != info.st_dev
            || named.st_ino != info.st_ino)
            continue;
        current = readable && reachSavePoint(SavePoint::Reading, QFile::decodeName(*target))
                ? readOpenFile(file.get(), info, limit, mode)
                : FileContent{ReadStatus::Unreadable, {}, identityOf(info)};
        readWhole = mode == ReadMode::Whole && current.status == ReadStatus::Read;
        return;
    }
    file.reset();
    target.reset();
    current.status = ReadStatus::Unreadable;
}

// Another save holds the lock only while it writes; one that holds it much
// longer is stuck, and the dialog must not hang with it. A file system
// without locks lets the save go on unserialised.
bool FileReplacement::State::lock()
{
    constexpr int pauseMicroseconds = 20000;
    constexpr int attempts = 10 * 1000000 / pauseMicroseconds;
    for (int attempt = 0; ::flock(file.get(), LOCK_EX | LOCK_NB) != 0; ++attempt) {
        if (errno == ENOLCK || errno == EOPNOTSUPP || errno == ENOTSUP)
            break;
        if ((errno != EWOULDBLOCK && errno != EINTR) || attempt == attempts)
            return false;
        ::usleep(pauseMicroseconds);
    }
    return ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FileReplacement::isWritable() const
{
    return d->target.has_value();
}

const FileContent &FileReplacement::current() const
{
    return d->current;
}

void FileReplacement::release()
{
    d->file.reset();
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
    return fillAndCommit(temporary, content);
}

WriteResult FileReplacement::State::overwriteInPlace(const QByteArray &content)
{
    std::optional<QByteArray> previous;
    if (readWhole) {
        previous = current.bytes; // read under the lock that is still held
    } else if (readable) {
        const FileContent old = ::lseek(file.get(), 0, SEEK_SET) == 0
                ? readFromDescriptor(file.get(), std::numeric_limits<qsizetype>::max(),
                                     ReadMode::Whole)
                : FileContent{ReadStatus::Unreadable, {}, {}};
        if (old.status != ReadStatus::Read)
            return WriteResult::CannotWrite; // no way back: leave the file alone
        previous = old.bytes;
    }
    // Where the directory takes no new file, there is no room for a backup
    // either; the file is still put back if writing fails.
    std::optional<Backup> backup;
    if (previous)
        backup.emplace(*target, info, *previous);
    if (backup && backup->isValid())
        reachSavePoint(SavePoint::BackupWritten, QFile::decodeName(*target));
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

bool FileReplacement::State::writeInPlace(const QByteArray &content)
{
    struct stat result = {};
    if (!writeAllAt(file.get(), content, 0)
        || !reachSavePoint(SavePoint::WrittenInPlace, QFile::decodeName(*target))
        || ::ftruncate(file.get(), off_t(content.size())) != 0 || ::fsync(file.get()) != 0
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
    return fillAndCommit(temporary, content);
}

WriteResult FileReplacement::State::fillAndCommit(TemporaryFile &temporary,
                                                  const QByteArray &content)
{
    struct stat result = {};
    if (!temporary.write(content) || ::fstat(temporary.fd(), &result) != 0)
        return WriteResult::CannotWrite;
    written = identityOf(result);
    return temporary.commit();
}

FileBackend fileBackend()
{
    return FileBackend::Posix;
}
