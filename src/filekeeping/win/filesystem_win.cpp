#include "filekeeping/filesystem.h"

#include "filekeeping/win/security_win.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace filesystem {

namespace {

// What a file's owner set on it that a new file would not have.
constexpr DWORD carriedAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool isMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

Fault faultOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return Fault::Exists;
    // The folder's ACL, or a replace that would drop the file's own; or a
    // file system without the call.
    case ERROR_ACCESS_DENIED:
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
    case ERROR_INVALID_PARAMETER:
        return Fault::Refused;
    default:
        return Fault::Other;
    }
}

Fault faultUnless(bool done)
{
    return done ? Fault::None : faultOf(GetLastError());
}

bool seek(SystemFile &file, qint64 offset)
{
    LARGE_INTEGER position = {};
    position.QuadPart = offset;
    return SetFilePointerEx(file.get(), position, nullptr, FILE_BEGIN);
}

} // namespace

std::optional<SystemName> saveTarget(const QString &path)
{
    if (isRefusedName(path))
        return std::nullopt;
    const QString target = finalPath(path);
    if (isRefusedName(target))
        return std::nullopt;
    return systemPath(target);
}

QString shownName(const SystemName &name)
{
    return withoutSystemPrefix(QString::fromStdWString(name));
}

SystemName directoryOf(const SystemName &name)
{
    const SystemName directory = name.substr(0, name.rfind(L'\\'));
    return directory.back() == L':' ? directory + L'\\' : directory;
}

SystemName beside(const SystemName &name, const QString &fileName)
{
    return name.substr(0, name.rfind(L'\\') + 1) + fileName.toStdWString();
}

QString fileNameOf(const SystemName &name)
{
    return QString::fromStdWString(name.substr(name.rfind(L'\\') + 1));
}

// A directory is never opened, and so never waited for. Nothing but a file
// on a disk is read.
Opened open(const SystemName &target)
{
    Opened opened;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    retryWhileHeld([&] { return (attributes = systemCalls().getFileAttributes(target.c_str())) != INVALID_FILE_ATTRIBUTES; });
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (attributes == INVALID_FILE_ATTRIBUTES && isMissing(GetLastError()))
            opened.kind = Opened::Kind::Missing;
        return opened;
    }
    opened.file = openShared(target, GENERIC_READ, OPEN_EXISTING);
    if (!opened.file.isValid()) {
        if (isMissing(GetLastError()))
            opened.kind = Opened::Kind::Missing;
        return opened;
    }
    const std::optional<FileFacts> facts = factsOf(opened.file.get());
    if (!facts || GetFileType(opened.file.get()) != FILE_TYPE_DISK || (facts->attributes & FILE_ATTRIBUTE_DIRECTORY))
        return Opened();
    opened.kind = Opened::Kind::File;
    opened.readable = true;
    opened.writable = !(facts->attributes & FILE_ATTRIBUTE_READONLY);
    opened.links = int(facts->links);
    opened.identity = facts->identity;
    opened.facts = *facts;
    return opened;
}

qint64 readSome(SystemFile &file, char *buffer, qint64 size)
{
    DWORD got = 0;
    const bool read = retryWhileHeld([&] {
        return systemCalls().readFile(file.get(), buffer, DWORD(qMin<qint64>(size, 1 << 20)), &got, nullptr) != 0;
    });
    return read ? qint64(got) : -1;
}

bool rewind(SystemFile &file)
{
    return seek(file, 0);
}

SystemFile writable(const SystemName &target, Opened &)
{
    return openShared(target, GENERIC_WRITE, OPEN_EXISTING);
}

SystemFile createNew(const SystemName &name, Access access, Fault &fault)
{
    std::optional<PrivateSecurity> security;
    SECURITY_ATTRIBUTES *attributes = nullptr;
    if (access == Access::Private && !(attributes = security.emplace().attributes())) {
        fault = Fault::Other;
        return {};
    }
    SystemFile file(systemCalls().createFile(name.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                             attributes, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    fault = faultUnless(file.isValid());
    return file;
}

// ReplaceFileW carries the file's ACL, named streams, creation time and
// object ID itself.
bool takeOverIdentity(const Opened &, SystemFile &)
{
    return true;
}

void handOver(const Opened &, SystemFile &)
{
}

bool writeAt(SystemFile &file, const QByteArray &bytes, qint64 offset)
{
    return seek(file, offset) && writeAll(file.get(), bytes);
}

bool truncate(SystemFile &file, qint64 size)
{
    return seek(file, size) && systemCalls().setEndOfFile(file.get());
}

bool sync(SystemFile &file)
{
    return systemCalls().flushFileBuffers(file.get());
}

// Windows syncs a folder's names with the files moved into it.
bool syncDirectory(const SystemName &)
{
    return true;
}

// REPLACEFILE_WRITE_THROUGH is documented as not supported: the replacement
// was flushed before. Without REPLACEFILE_IGNORE_ACL_ERRORS, a replace that
// cannot keep the file's ACL is refused.
Fault replace(const SystemName &replacement, const SystemName &replaced, const SystemName &backup)
{
    return faultUnless(retryWhileHeld([&] {
        // The call needs to delete the file, which must still be a file;
        // asked first, as Wine's call replaces a directory.
        if (!FileHandle(systemCalls().createFile(replaced.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)).isValid())
            return false;
        return systemCalls().replaceFile(replaced.c_str(), replacement.c_str(), backup.c_str(),
                                         REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
    }));
}

Fault name(const SystemName &from, const SystemName &to)
{
    return moveWithoutReplacing(from, to);
}

Fault moveWithoutReplacing(const SystemName &from, const SystemName &to)
{
    return faultUnless(
            retryWhileHeld([&] { return systemCalls().moveFile(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0; }));
}

bool remove(const SystemName &name)
{
    return removeHeldFile(name);
}

// Only "not found" means that nothing stands at the name: a file whose
// deletion is pending, or one the process may not look at, answers
// otherwise.
Presence presenceAt(const SystemName &name)
{
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    if (!retryWhileHeld([&] { return (attributes = systemCalls().getFileAttributes(name.c_str())) != INVALID_FILE_ATTRIBUTES; }))
        return isMissing(GetLastError()) ? Presence::Free : Presence::Unknown;
    return attributes & FILE_ATTRIBUTE_DIRECTORY ? Presence::Other : Presence::File;
}

std::optional<FileIdentity> identityAt(const SystemName &name)
{
    const std::optional<FileFacts> facts = factsAt(name);
    return facts ? std::optional(facts->identity) : std::nullopt;
}

// Set, never restored: backup programs find a changed file by it.
void markChanged(const SystemName &target, const Opened &opened)
{
    const DWORD attributes = (opened.facts.attributes & carriedAttributes) | FILE_ATTRIBUTE_ARCHIVE;
    retryWhileHeld([&] { return systemCalls().setFileAttributes(target.c_str(), attributes) != 0; });
}

bool isProcessRunning(qint64 pid)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    DWORD exitCode = 0;
    const bool running = process && GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    if (process)
        CloseHandle(process);
    return running;
}

std::vector<Entry> filesBeside(const SystemName &name, const std::function<bool(const QString &)> &wanted)
{
    std::vector<Entry> files;
    const QDateTime now = QDateTime::currentDateTime();
    const QDir directory(shownName(directoryOf(name)));
    for (const QFileInfo &entry : directory.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (wanted(entry.fileName()))
            files.push_back({beside(name, entry.fileName()), entry.fileName(), entry.lastModified().secsTo(now)});
    }
    return files;
}

} // namespace filesystem
