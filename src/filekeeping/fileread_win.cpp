#include "filekeeping/backupnames.h"
#include "filekeeping/fileaccess.h"
#include "filekeeping/handle_win.h"
#include "filekeeping/reading_win.h"

FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode)
{
    FileFacts facts;
    return readFileAt(finalPath(path), limit, mode, facts);
}

// One file whatever the case of its name or the link that leads to it.
bool sameFile(const QString &first, const QString &second)
{
    const std::optional<FileFacts> one = factsAt(systemPath(first));
    const std::optional<FileFacts> other = factsAt(systemPath(second));
    return one && other && one->identity.device == other->identity.device
            && one->identity.inode == other->identity.inode;
}

QStringList interruptedSaveBackups(const QString &path)
{
    return isRefusedName(path) ? QStringList() : backupsBeside(finalPath(path));
}
