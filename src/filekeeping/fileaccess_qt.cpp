// File access for systems without POSIX calls: Qt's own, with fewer of the
// guarantees. Ownership, ACLs and hard links are the system's concern there.
// QSaveFile syncs the new file but ignores a failed sync, and no directory is
// synced.
#include "filekeeping/fileaccess.h"

#include "filekeeping/backupnames.h"
#include "filekeeping/boundedread.h"
#include "filekeeping/savelock.h"
#include "filekeeping/savepoints.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

// Where `path` leads, links followed as the system follows them: the file
// itself, or for a name that does not exist yet (a dangling link included)
// the name it would be created under. Nothing for a link loop.
std::optional<QString> resolvedPath(const QString &path)
{
    QString current = path;
    // The system gives up on a chain of links at about this depth too.
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(current);
        if (info.exists())
            return info.canonicalFilePath();
        if (!info.isSymbolicLink())
            return info.absoluteFilePath();
        current = info.symLinkTarget();
    }
    return std::nullopt;
}

// No inode here: size and time tell a change, the bytes the rest.
FileIdentity identityOf(const QFileInfo &info)
{
    return {0, 0, info.size(),
            info.lastModified().toMSecsSinceEpoch() * 1000000};
}

FileContent readResolved(const QString &target, qsizetype limit, ReadMode mode)
{
    const QFileInfo info(target);
    if (!info.exists())
        return {ReadStatus::Missing, {}, {}};
    QFile file(target);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {ReadStatus::Unreadable, {}, identityOf(info)};
    if (mode == ReadMode::Whole && info.size() > limit)
        return {ReadStatus::TooLong, {}, identityOf(info)};
    FileContent content = readBounded(
            [&file](char *buffer, qint64 size) { return file.read(buffer, size); }, limit, mode);
    content.identity = identityOf(info);
    return content;
}

} // namespace

struct FileReplacement::State
{
    std::optional<QString> target;
    std::optional<SaveLock> lock;
    FileContent current;
    FileIdentity written;
};

FileBackend fileBackend()
{
    return FileBackend::Qt;
}

FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode)
{
    const std::optional<QString> target = resolvedPath(path);
    if (!target)
        return {ReadStatus::Unreadable, {}, {}};
    return readResolved(*target, limit, mode);
}

FileReplacement::FileReplacement(const QString &path, qsizetype limit, ReadMode mode)
    : d(std::make_unique<State>())
{
    d->target = resolvedPath(path);
    if (d->target)
        d->lock.emplace(*d->target);
    if (!d->target || !d->lock->mayWrite()) {
        d->target.reset();
        d->current.status = ReadStatus::Unreadable;
        return;
    }
    const QFileInfo existing(*d->target);
    if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
        d->target.reset();
    d->current = readResolved(existing.filePath(), limit, mode);
    if (d->current.status == ReadStatus::Read
        && !reachSavePoint(SavePoint::Reading, existing.filePath()))
        d->current = {ReadStatus::Unreadable, {}, d->current.identity};
}

FileReplacement::~FileReplacement() = default;

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
    QSaveFile file(*d->target);
    // Unbuffered, so that a failing write shows in write()'s count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteResult::CannotCreate;
    if (file.write(content) != content.size()
        || !reachSavePoint(SavePoint::TemporaryWritten, *d->target)) {
        file.cancelWriting();
        return WriteResult::CannotWrite;
    }
    if (!file.commit()) {
        // The system refused the name.
        return file.error() == QFileDevice::RenameError ? WriteResult::CannotCreate
                                                        : WriteResult::CannotWrite;
    }
    d->written = identityOf(QFileInfo(*d->target));
    return WriteResult::Written;
}

bool sameFile(const QString &first, const QString &second)
{
    const QString one = QFileInfo(first).canonicalFilePath();
    return !one.isEmpty() && one == QFileInfo(second).canonicalFilePath();
}

QStringList interruptedSaveBackups(const QString &path)
{
    const std::optional<QString> target = resolvedPath(path);
    return target ? backupsBeside(*target) : QStringList();
}
