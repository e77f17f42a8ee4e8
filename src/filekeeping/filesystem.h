#pragma once

// What a system gives the save: a few steps, each one or two system calls
// through the system's call table, none deciding anything. posix/ and win/
// each implement all of them; the save itself is written once, over them.

#include "filekeeping/fileaccess.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The system's own types: a name, an open file, what it says of a file,
// and what bounds the waits of one save.
#ifdef Q_OS_WIN
#include "filekeeping/win/handle_win.h"
using SystemName = std::wstring; // behind \\?\, for names of any length
using SystemFile = FileHandle;
using SystemFacts = FileFacts;
using SaveWaits = RetryBound;
#else
#include "filekeeping/posix/descriptor_posix.h"

#include <sys/stat.h>
using SystemName = QByteArray; // the bytes the system takes, whatever their encoding
using SystemFile = FileDescriptor;
using SystemFacts = struct stat;
struct SaveWaits {}; // nothing waits: POSIX files are never held
#endif

namespace filesystem {

// How a step failed, as far as the save needs to tell.
enum class Fault {
    None,
    Exists,  // something stands at the name already
    Refused, // the folder or its file system refuses the step on this file
    Other,
};

// Where the file `path` leads, for a save: links followed as reading
// follows them; nothing where no file may be kept or no link followed.
std::optional<SystemName> saveTarget(const QString &path);
QString shownName(const SystemName &name);
SystemName directoryOf(const SystemName &name);
SystemName beside(const SystemName &name, const QString &fileName);
QString fileNameOf(const SystemName &name);

// What one save found at its target.
struct Opened
{
    enum class Kind {
        Missing,
        File,
        Unusable, // no regular file, or one the process may neither read nor write
    } kind = Kind::Unusable;
    SystemFile file;       // open for reading; on POSIX also for writing
    bool readable = false; // false: a file its user may write but not read
    bool writable = false; // false: a read-only file, kept as its owner made it
    int links = 1;
    FileIdentity identity;
    SystemFacts facts = {};
};
Opened open(const SystemName &target);
// Reads at most `size` bytes at the file's offset: the count, 0 at the end,
// -1 on an error.
qint64 readSome(SystemFile &file, char *buffer, qint64 size);
bool rewind(SystemFile &file);
// A handle to write the opened file through.
SystemFile writable(const SystemName &target, Opened &opened);

// A private file is its owner's alone until it takes over a file's
// identity; a public one gets what new files get in its folder.
enum class Access { Public, Private };
SystemFile createNew(const SystemName &name, Access access, Fault &fault);
// Makes the private `copy` the same file to everyone else as the opened
// one (owner, ACLs, attributes, mode) where the replace itself does not.
bool takeOverIdentity(const Opened &opened, SystemFile &copy);
// Gives a private copy of the opened file's bytes to the file's owner.
void handOver(const Opened &opened, SystemFile &copy);

bool writeAt(SystemFile &file, const QByteArray &bytes, qint64 offset);
bool truncate(SystemFile &file, qint64 size);
bool sync(SystemFile &file);
// False only where a directory that can be synced fails.
bool syncDirectory(const SystemName &directory);

// The new bytes of `replacement` take the name of `replaced`, whose file
// moves to `backup` on the way, where the system moves it aside.
Fault replace(const SystemName &replacement, const SystemName &replaced, const SystemName &backup);
// A new file takes a free name.
Fault name(const SystemName &from, const SystemName &to);
Fault moveWithoutReplacing(const SystemName &from, const SystemName &to);
bool remove(const SystemName &name);
// What stands at the name: nothing, a regular file, something else.
enum class Presence {
    Free,
    File,
    Other,
    Unknown, // the system will not tell (a file being deleted, a folder kept from view)
};
Presence presenceAt(const SystemName &name);
std::optional<FileIdentity> identityAt(const SystemName &name);
// Tells backup programs the file changed, its owner's attributes kept.
void markChanged(const SystemName &target, const Opened &opened);

// Whether a process of that ID runs on this machine.
bool isProcessRunning(qint64 pid);

// The regular files in the folder that holds `name` whose names are
// `wanted`, with their ages.
struct Entry
{
    SystemName name;
    QString fileName;
    qint64 ageSeconds = 0;
};
std::vector<Entry> filesBeside(const SystemName &name, const std::function<bool(const QString &)> &wanted);

} // namespace filesystem
