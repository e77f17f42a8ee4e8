#include "filekeeping/boundedread.h"
#include "filekeeping/fileaccess.h"
#include "filekeeping/filesystem.h"
#include "filekeeping/win/handle_win.h"

// Shares every access with other programs and holds the file open no
// longer than the read. A name the system would take for a device or
// another file is Missing, as no file of the program's may stand there.
FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode)
{
    const QString target = isRefusedName(path) ? QString() : finalPath(path);
    if (target.isEmpty() || isRefusedName(target))
        return {ReadStatus::Missing, {}, {}};
    filesystem::Opened opened = filesystem::open(systemPath(target));
    switch (opened.kind) {
    case filesystem::Opened::Kind::Missing:
        return {ReadStatus::Missing, {}, {}};
    case filesystem::Opened::Kind::Unusable:
        return {ReadStatus::Unreadable, {}, {}};
    case filesystem::Opened::Kind::File:
        break;
    }
    return readOpened(opened.file, opened.identity, limit, mode);
}

bool isKeepableName(const QString &path)
{
    return !isRefusedName(path);
}

QString usualFileName(const QString &path)
{
    return isRefusedName(path) ? path : longFileName(path);
}

// One file whatever the case of its name or the link that leads to it.
bool sameFile(const QString &first, const QString &second)
{
    const std::optional<FileFacts> one = factsAt(systemPath(first));
    const std::optional<FileFacts> other = factsAt(systemPath(second));
    if (!one || !other)
        return false;
    // Network and shared folders (SSHFS-Win, WebDAV, VirtualBox) give every
    // file the ID 0, which tells no two files apart: their paths do.
    const auto unknown = [](const FileIdentity &id) { return id.inode == 0 && id.inodeHigh == 0; };
    if (unknown(one->identity) || unknown(other->identity))
        return finalPath(first).compare(finalPath(second), Qt::CaseInsensitive) == 0;
    return one->identity.device == other->identity.device && one->identity.inode == other->identity.inode
            && one->identity.inodeHigh == other->identity.inodeHigh;
}
