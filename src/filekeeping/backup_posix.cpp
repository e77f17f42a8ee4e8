#include "filekeeping/backup_posix.h"

#include "filekeeping/backupnames.h"
#include "filekeeping/descriptor_posix.h"
#include "filekeeping/paths_posix.h"
#include "filekeeping/temporaryfile_posix.h"

#include <QFile>

#include <unistd.h>

Backup::Backup(const QByteArray &target, const struct stat &targetInfo, const QByteArray &bytes)
    : m_outcome(make(target, targetInfo, bytes))
{
}

Backup::Outcome Backup::make(const QByteArray &target, const struct stat &targetInfo,
                             const QByteArray &bytes)
{
    TemporaryFile copy(target, S_IRUSR | S_IWUSR);
    if (!copy.isValid())
        return Outcome::NoRoom;
    // The file's owner can read it, also when root saved the file; where
    // that is refused it stays the process user's, still private.
    if (::fchown(copy.fd(), targetInfo.st_uid, targetInfo.st_gid) != 0) {
    }
    if (!copy.fill(bytes))
        return Outcome::Failed;
    const QString fileName = QFile::decodeName(fileNameOf(target));
    for (int attempt = 1; attempt <= maximumBackupAttempt; ++attempt) {
        const QByteArray name =
                joined(directoryOf(target), QFile::encodeName(backupFileName(fileName, attempt)));
        switch (copy.nameWithoutReplacing(name)) {
        case TemporaryFile::Naming::Named:
            m_name = name;
            return Outcome::Made;
        case TemporaryFile::Naming::Taken:
            continue;
        case TemporaryFile::Naming::Failed:
            return Outcome::Failed;
        }
    }
    return Outcome::Failed;
}

void Backup::remove()
{
    // Should the removal not survive a power cut, what reappears is a whole
    // copy: the directory's sync is no condition of the save.
    if (!m_name.isEmpty() && ::unlink(m_name.constData()) == 0)
        syncDirectoryOf(m_name);
    m_name.clear();
}
