// One save of a user's file, whatever the system: every decision of it is
// here, every system call behind filesystem.h.
#include "filekeeping/backupnames.h"
#include "filekeeping/boundedread.h"
#include "filekeeping/fileaccess.h"
#include "filekeeping/filesystem.h"
#include "filekeeping/savelock.h"
#include "filekeeping/savepoints.h"
#include "filekeeping/temporaryfile.h"

#include <limits>
#include <optional>

namespace {

using filesystem::Fault;
using filesystem::Opened;

// A synced copy of a file's previous bytes beside it, for as long as the
// file is written in place: what a crash or a kill then leaves is found by
// the next start. It gets its name only once whole and synced, never
// replaces an earlier backup, and is private to the file's owner.
class Backup
{
public:
    enum class Outcome {
        Made,
        NoRoom, // the folder takes no new file: the file is written without one
        Failed, // the copy could not be made whole: the file is better left alone
    };

    Backup(const SystemName &target, const Opened &opened, const QByteArray &bytes)
        : m_outcome(make(target, opened, bytes)) {}
    Outcome outcome() const { return m_outcome; }
    // Should the removal not survive a power cut, what reappears is a whole
    // copy: the folder's sync is no condition of the save.
    void remove()
    {
        if (m_name && filesystem::remove(*m_name))
            syncFolderOf(*m_name);
        m_name.reset();
    }

private:
    Outcome make(const SystemName &target, const Opened &opened, const QByteArray &bytes);

    std::optional<SystemName> m_name;
    Outcome m_outcome;
};

Backup::Outcome Backup::make(const SystemName &target, const Opened &opened, const QByteArray &bytes)
{
    TemporaryFile copy(target, filesystem::Access::Private);
    if (!copy.isValid())
        return Outcome::NoRoom;
    filesystem::handOver(opened, copy.file());
    if (!copy.fill(bytes))
        return Outcome::Failed;
    const QString fileName = filesystem::fileNameOf(target);
    for (int attempt = 1; attempt <= maximumBackupAttempt; ++attempt) {
        const SystemName name = filesystem::beside(target, backupFileName(fileName, attempt));
        const Fault fault = filesystem::moveWithoutReplacing(copy.name(), name);
        if (fault == Fault::Exists)
            continue;
        if (fault != Fault::None)
            return Outcome::Failed;
        copy.named();
        m_name = name;
        if (reachSavePoint(SavePoint::Renamed, filesystem::shownName(target)) && syncFolderOf(name)
            && reachSavePoint(SavePoint::BackupNamed, filesystem::shownName(target)))
            return Outcome::Made;
        // Named, but not surely for good: no copy to rely on.
        remove();
        return Outcome::Failed;
    }
    return Outcome::Failed;
}

// Where the system moved the old file aside as the new one took its name.
void removeBackup(const SystemName &backup)
{
    if (filesystem::presenceAt(backup) == filesystem::Presence::File)
        filesystem::remove(backup);
}

} // namespace

struct FileReplacement::State
{
    SaveWaits waits; // every step of one save together
    std::optional<SystemName> target; // nothing: no regular file may be written there
    std::optional<SaveLock> lock;
    Opened opened;
    FileContent current;
    bool readWhole = false; // `current` holds every byte of the file
    FileIdentity written;

    QString shown() const { return filesystem::shownName(*target); }
    void open(qsizetype limit, ReadMode mode);
    FileContent read(qsizetype limit, ReadMode mode);
    WriteResult createFile(const QByteArray &content);
    std::optional<WriteResult> replaceWhole(const QByteArray &content);
    std::optional<WriteResult> recover(Fault fault, TemporaryFile &temporary, const SystemName &backup);
    WriteResult overwriteInPlace(const QByteArray &content);
    std::optional<QByteArray> previousBytes();
    bool reopen();
    bool writeInPlace(const QByteArray &content);
    WriteResult named();
    bool noteWritten();
    std::optional<SystemName> freeBackupName() const;
};

struct WaitBound::Waits
{
    SaveWaits waits;
};

WaitBound::WaitBound() : d(std::make_unique<Waits>()) {}

WaitBound::~WaitBound() = default;

FileReplacement::FileReplacement(const QString &path, qsizetype limit, ReadMode mode)
    : d(std::make_unique<State>())
{
    d->current.status = ReadStatus::Unreadable;
    d->target = filesystem::saveTarget(path);
    if (!d->target)
        return;
    d->lock.emplace(*d->target);
    if (d->lock->mayWrite())
        d->open(limit, mode);
    else
        d->target.reset();
}

FileReplacement::~FileReplacement() = default;

// A FIFO or a device is never opened, a link swapped in never followed.
void FileReplacement::State::open(qsizetype limit, ReadMode mode)
{
    opened = filesystem::open(*target);
    switch (opened.kind) {
    case Opened::Kind::Missing:
        current.status = ReadStatus::Missing;
        return;
    case Opened::Kind::Unusable:
        target.reset();
        return;
    case Opened::Kind::File:
        break;
    }
    current = opened.readable && reachSavePoint(SavePoint::Reading, shown())
            ? read(limit, mode)
            : FileContent{ReadStatus::Unreadable, {}, opened.identity};
    readWhole = mode == ReadMode::Whole && current.status == ReadStatus::Read;
    if (!opened.writable)
        target.reset();
}

FileContent FileReplacement::State::read(qsizetype limit, ReadMode mode)
{
    return readOpened(opened.file, opened.identity, limit, mode,
                      [this] { return reachSavePoint(SavePoint::ReadingOn, shown()); });
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
    d->opened.file.reset();
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
    if (d->opened.kind == Opened::Kind::Missing)
        return d->createFile(content);
    // Every hard link must see the new content.
    if (d->opened.links == 1) {
        if (const std::optional<WriteResult> result = d->replaceWhole(content))
            return *result;
    }
    return d->overwriteInPlace(content);
}

// A new file appears whole or not at all, with what new files get there.
WriteResult FileReplacement::State::createFile(const QByteArray &content)
{
    TemporaryFile temporary(*target, filesystem::Access::Public);
    if (!temporary.isValid())
        return WriteResult::CannotCreate;
    if (!temporary.fill(content))
        return WriteResult::CannotWrite;
    if (filesystem::name(temporary.name(), *target) != Fault::None)
        return WriteResult::CannotCreate; // the system refuses the name
    temporary.named();
    return named();
}

// The new bytes take the name whole, the file's identity with them; the old
// file moves to a backup name of the program's own on the way where the
// system moves it aside. Nothing where the file is better written in place:
// the folder takes no new file, the copy cannot be the same file to others,
// or the system refuses replacing it (shared drives let a file be written
// but not replaced; a replace that would drop its ACL is refused).
std::optional<WriteResult> FileReplacement::State::replaceWhole(const QByteArray &content)
{
    TemporaryFile temporary(*target, filesystem::Access::Private);
    if (!temporary.isValid() || !filesystem::takeOverIdentity(opened, temporary.file()))
        return std::nullopt;
    // A file held open while it is replaced is, on many FUSE file systems,
    // renamed aside first: a crash then would leave no file.
    opened.file.reset();
    if (!temporary.fill(content))
        return WriteResult::CannotWrite;
    const std::optional<SystemName> backup = freeBackupName();
    if (!backup)
        return WriteResult::CannotCreate;
    const Fault fault = filesystem::replace(temporary.name(), *target, *backup);
    if (fault != Fault::None)
        return recover(fault, temporary, *backup);
    temporary.named();
    removeBackup(*backup);
    return named();
}

// After a failed replace the name is given back by what stands there, not
// by the error: Windows documents states its codes do not tell apart.
// Unless a file holds the name, the new bytes take it, or else the old
// ones go back; moves replace nothing. Where neither can, both copies stay
// and the next start reports the backup.
std::optional<WriteResult> FileReplacement::State::recover(Fault fault, TemporaryFile &temporary,
                                                           const SystemName &backup)
{
    switch (filesystem::presenceAt(*target)) {
    case filesystem::Presence::File:
        if (fault == Fault::Refused)
            return std::nullopt;
        return WriteResult::CannotCreate;
    case filesystem::Presence::Other:
        return WriteResult::CannotCreate;
    case filesystem::Presence::Free:
    case filesystem::Presence::Unknown: // moves replace nothing: trying is safe
        break;
    }
    if (filesystem::moveWithoutReplacing(temporary.name(), *target) == Fault::None) {
        temporary.named();
        removeBackup(backup);
        return named();
    }
    if (filesystem::presenceAt(backup) == filesystem::Presence::File
        && filesystem::moveWithoutReplacing(backup, *target) != Fault::None)
        temporary.named();
    return WriteResult::CannotCreate;
}

// The new bytes have the file's name, which is synced next.
WriteResult FileReplacement::State::named()
{
    return reachSavePoint(SavePoint::Renamed, shown()) && syncFolderOf(*target) && noteWritten()
            ? WriteResult::Written
            : WriteResult::CannotWrite;
}

// Backup programs are told, and the file's identity is noted.
bool FileReplacement::State::noteWritten()
{
    filesystem::markChanged(*target, opened);
    const std::optional<FileIdentity> now = filesystem::identityAt(*target);
    if (now)
        written = *now;
    return now.has_value();
}

std::optional<SystemName> FileReplacement::State::freeBackupName() const
{
    const QString fileName = filesystem::fileNameOf(*target);
    for (int attempt = 1; attempt <= maximumBackupAttempt; ++attempt) {
        const SystemName backup = filesystem::beside(*target, backupFileName(fileName, attempt));
        if (filesystem::presenceAt(backup) == filesystem::Presence::Free)
            return backup;
    }
    return std::nullopt;
}

// A synced copy of the previous bytes stands beside the file while it is
// written, and they are put back if writing fails. Where the folder takes
// no new file, the file is written without a copy, still put back on a
// failure; a copy that could not be made whole means trouble with the
// disk, and the file is left alone.
WriteResult FileReplacement::State::overwriteInPlace(const QByteArray &content)
{
    const std::optional<QByteArray> previous = previousBytes();
    if (opened.readable && !previous)
        return WriteResult::CannotWrite; // no way back
    std::optional<Backup> backup;
    if (previous) {
        backup.emplace(*target, opened, *previous);
        if (backup->outcome() == Backup::Outcome::Failed)
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

// Every byte the file holds now, read under the lock; nothing when it
// cannot be read.
std::optional<QByteArray> FileReplacement::State::previousBytes()
{
    if (readWhole)
        return current.bytes;
    if (!opened.readable || !reopen() || !filesystem::rewind(opened.file))
        return std::nullopt;
    const FileContent old = read(std::numeric_limits<qsizetype>::max(), ReadMode::Whole);
    if (old.status != ReadStatus::Read)
        return std::nullopt;
    return old.bytes;
}

// The file once more, after a replace it refused, unless another took its
// place meanwhile.
bool FileReplacement::State::reopen()
{
    if (opened.file.isValid())
        return true;
    Opened again = filesystem::open(*target);
    if (again.kind != Opened::Kind::File || again.identity != opened.identity)
        return false;
    opened.file = std::move(again.file);
    return true;
}

bool FileReplacement::State::writeInPlace(const QByteArray &content)
{
    SystemFile file = reopen() ? filesystem::writable(*target, opened) : SystemFile();
    if (!file.isValid() || !filesystem::writeAt(file, content, 0)
        || !reachSavePoint(SavePoint::WrittenInPlace, shown()) || !filesystem::truncate(file, content.size())
        || !syncAt(file, *target))
        return false;
    file.reset();
    return noteWritten();
}
