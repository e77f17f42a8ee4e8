#include "filekeeping/backupnames.h"
#include "filekeeping/fileaccess.h"
#include "filekeeping/handle_win.h"
#include "filekeeping/reading_win.h"
#include "filekeeping/savelock.h"
#include "filekeeping/savepoints.h"
#include "filekeeping/temporaryfile_win.h"

#include <QDir>
#include <QFileInfo>

#include <limits>
#include <optional>

namespace {

// What a file's owner set on it that a new file would not have.
constexpr DWORD carriedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Only "not found" means that nothing stands at the name: a file whose
// deletion is pending, or one the process may not look at, answers
// otherwise.
bool isFree(const std::wstring &path)
{
    if (systemCalls().getFileAttributes(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool isUnsupported(DWORD error)
{
    return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION || error == ERROR_INVALID_PARAMETER;
}

bool moveWithoutReplacing(const std::wstring &from, const std::wstring &to)
{
    return retryWhileHeld([&] { return systemCalls().moveFile(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0; });
}

} // namespace

struct FileReplacement::State
{
    RetryBound retries; // every step of one save together
    QString path; // final path; empty: no regular file may be written there
    std::wstring target;
    std::optional<SaveLock> lock;
    FileContent current;
    FileFacts facts;
    bool readWhole = false;
    FileIdentity written;

    WriteResult createFile(const QByteArray &content);
    enum class Replacement {
        Done,    // the new bytes have the name
        Refused, // the old file keeps it: the folder or its file system refuses replacing it
        Failed,  // the old file keeps it, or both stay beside it
    };
    WriteResult replaceWhole(const QByteArray &content);
    Replacement replaceWith(TemporaryFile &temporary);
    std::optional<std::wstring> freeBackupName() const;
    WriteResult overwriteInPlace(const QByteArray &content);
    std::optional<QString> backUp(const QByteArray &previous);
    bool writeInPlace(const QByteArray &content);
    bool noteWritten();
    void markChanged();
};

FileReplacement::FileReplacement(const QString &path, qsizetype limit, ReadMode mode)
    : d(std::make_unique<State>())
{
    d->current.status = ReadStatus::Unreadable;
    const QString target = finalPath(path);
    if (isRefusedName(path) || isRefusedName(target))
        return;
    d->lock.emplace(target);
    if (!d->lock->mayWrite())
        return;
    d->target = systemPath(target);
    d->current = readFileAt(target, limit, mode, d->facts);
    if (d->current.status == ReadStatus::Read && !reachSavePoint(SavePoint::Reading, target))
        d->current = {ReadStatus::Unreadable, {}, d->current.identity};
    d->readWhole = mode == ReadMode::Whole && d->current.status == ReadStatus::Read;
    // A read-only file stays as its owner made it; so does what is no file.
    const bool isFile = d->current.status == ReadStatus::Missing || d->facts.identity.size >= 0;
    if (isFile && !(d->facts.attributes & FILE_ATTRIBUTE_READONLY))
        d->path = target;
}

FileReplacement::~FileReplacement() = default;

bool FileReplacement::isWritable() const
{
    return !d->path.isEmpty();
}

const FileContent &FileReplacement::current() const
{
    return d->current;
}

void FileReplacement::abandon()
{
    d->path.clear();
    if (d->lock)
        d->lock->unlock();
}

const FileIdentity &FileReplacement::written() const
{
    return d->written;
}

WriteResult FileReplacement::replace(const QByteArray &content)
{
    if (!isWritable())
        return WriteResult::CannotCreate;
    if (d->current.status == ReadStatus::Missing)
        return d->createFile(content);
    // Every hard link must see the new content.
    return d->facts.links > 1 ? d->overwriteInPlace(content) : d->replaceWhole(content);
}

WriteResult FileReplacement::State::createFile(const QByteArray &content)
{
    TemporaryFile temporary(path, TemporaryFile::Access::Default);
    if (!temporary.isValid())
        return WriteResult::CannotCreate;
    if (!temporary.fill(content))
        return WriteResult::CannotWrite;
    if (!moveWithoutReplacing(temporary.path(), target))
        return WriteResult::CannotCreate;
    temporary.named();
    return noteWritten() ? WriteResult::Written : WriteResult::CannotWrite;
}

// ReplaceFileW keeps the file's ACL, named streams, creation time and
// object ID. The file is written in place instead where the folder takes no
// new file, or lets the file be written but not deleted or replaced (shared
// drives do), or where replacing it would drop its ACL.
WriteResult FileReplacement::State::replaceWhole(const QByteArray &content)
{
    {
        TemporaryFile temporary(path, TemporaryFile::Access::Private);
        if (!temporary.isValid())
            return overwriteInPlace(content);
        if (!temporary.fill(content))
            return WriteResult::CannotWrite;
        switch (replaceWith(temporary)) {
        case Replacement::Done:
            markChanged();
            return noteWritten() ? WriteResult::Written : WriteResult::CannotWrite;
        case Replacement::Failed:
            return WriteResult::CannotCreate;
        case Replacement::Refused:
            break;
        }
    }
    return overwriteInPlace(content);
}

// Backup programs find a changed file by its archive attribute; the others
// its owner set stay.
void FileReplacement::State::markChanged()
{
    const DWORD attributes = (facts.attributes & carriedAttributes) | FILE_ATTRIBUTE_ARCHIVE;
    retryWhileHeld([&] { return systemCalls().setFileAttributes(target.c_str(), attributes) != 0; });
}

// The old file moves to a backup name of the program's own as the new one
// takes its name, so whatever fails, the old and the new bytes each keep a
// name. After a failure the name is given back by what stands there, not by
// the error: Windows documents that 1176 and 1177 can leave it free. Unless
// a file is found at the name, the new bytes take it, or else the old ones
// go back; moves replace nothing. The temporary is kept unless a file holds
// the name. Without REPLACEFILE_IGNORE_ACL_ERRORS a replace that cannot keep
// the file's ACL is refused rather than done without it.
FileReplacement::State::Replacement FileReplacement::State::replaceWith(TemporaryFile &temporary)
{
    const std::optional<std::wstring> backup = freeBackupName();
    if (!backup)
        return Replacement::Failed;
    constexpr DWORD flags = REPLACEFILE_IGNORE_MERGE_ERRORS;
    const bool replaced = retryWhileHeld([&] {
        // The call needs to delete the file, which must still be a file;
        // asked first, as Wine's call replaces a directory.
        if (!FileHandle(systemCalls().createFile(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)).isValid())
            return false;
        return systemCalls().replaceFile(target.c_str(), temporary.path().c_str(), backup->c_str(), flags, nullptr,
                                         nullptr) != 0;
    });
    const DWORD error = GetLastError();
    const auto newBytesNamed = [&] {
        temporary.named();
        removeHeldFile(*backup);
        return Replacement::Done;
    };
    if (replaced)
        return newBytesNamed();
    if (const DWORD found = systemCalls().getFileAttributes(target.c_str()); found != INVALID_FILE_ATTRIBUTES) {
        // File systems without the call get the file written in place: a
        // move over it would drop its ACL and streams.
        const bool isFile = !(found & FILE_ATTRIBUTE_DIRECTORY);
        if ((error == ERROR_ACCESS_DENIED || isUnsupported(error)) && isFile)
            return Replacement::Refused;
        return Replacement::Failed;
    }
    if (moveWithoutReplacing(temporary.path(), target))
        return newBytesNamed();
    if (moveWithoutReplacing(*backup, target))
        return Replacement::Failed;
    // Neither could take it: both copies stay, and the next start reports
    // the backup.
    temporary.named();
    return Replacement::Failed;
}

std::optional<std::wstring> FileReplacement::State::freeBackupName() const
{
    const QFileInfo file(path);
    for (int attempt = 1; attempt <= maximumBackupAttempt; ++attempt) {
        const std::wstring backup = systemPath(file.dir().filePath(backupFileName(file.fileName(), attempt)));
        if (isFree(backup))
            return backup;
    }
    return std::nullopt;
}

// A synced copy of the previous bytes stands beside the file while it is
// written, and they are put back if writing fails.
WriteResult FileReplacement::State::overwriteInPlace(const QByteArray &content)
{
    FileFacts ignored;
    const FileContent old = readWhole ? current
                                      : readFileAt(path, std::numeric_limits<qsizetype>::max(), ReadMode::Whole, ignored);
    if (old.status != ReadStatus::Read)
        return WriteResult::CannotWrite; // no way back: leave the file alone
    const std::optional<QString> backup = backUp(old.bytes);
    if (backup && backup->isEmpty())
        return WriteResult::CannotWrite;
    const auto removeBackup = [&] {
        if (backup)
            removeHeldFile(systemPath(*backup));
    };
    if (writeInPlace(content)) {
        removeBackup();
        return WriteResult::Written;
    }
    if (writeInPlace(old.bytes))
        removeBackup();
    return WriteResult::CannotWrite;
}

// The backup's path; an empty one when it could not be made whole, nothing
// when the directory takes no new file (the file is then written without).
std::optional<QString> FileReplacement::State::backUp(const QByteArray &previous)
{
    TemporaryFile copy(path, TemporaryFile::Access::Private);
    if (!copy.isValid())
        return std::nullopt;
    if (!copy.fill(previous))
        return QString();
    const QFileInfo file(path);
    for (int attempt = 1; attempt <= maximumBackupAttempt; ++attempt) {
        const QString backup = file.dir().filePath(backupFileName(file.fileName(), attempt));
        if (moveWithoutReplacing(copy.path(), systemPath(backup))) {
            copy.named();
            if (reachSavePoint(SavePoint::BackupNamed, path))
                return backup;
            systemCalls().deleteFile(systemPath(backup).c_str());
            return QString();
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    return QString();
}

bool FileReplacement::State::writeInPlace(const QByteArray &content)
{
    const FileHandle file = openShared(target, GENERIC_WRITE, OPEN_EXISTING);
    LARGE_INTEGER end = {};
    end.QuadPart = content.size();
    if (!file.isValid() || !writeAll(file.get(), content) || !reachSavePoint(SavePoint::WrittenInPlace, path)
        || !SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get())
        || !systemCalls().flushFileBuffers(file.get()))
        return false;
    markChanged();
    return noteWritten();
}

bool FileReplacement::State::noteWritten()
{
    const std::optional<FileFacts> now = factsAt(target);
    if (now)
        written = now->identity;
    return now.has_value();
}

