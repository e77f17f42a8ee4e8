#include "filekeeping/temporaryfile_posix.h"

#include "filekeeping/backupnames.h"
#include "filekeeping/savepoints.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr time_t staleAfterSeconds = 60;

QByteArray temporaryName()
{
    return ".vimbracl-save-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36)
            + ".tmp";
}

bool isTemporaryName(const char *name)
{
    static const QRegularExpression pattern(
            QStringLiteral("^\\.vimbracl-save-[0-9a-z]{1,13}\\.tmp$"));
    return pattern.match(QLatin1StringView(name)).hasMatch();
}

// Regular files of the program's own name, untouched for over a minute: no
// save still runs that long.
void removeStaleTemporaries(const QByteArray &directory)
{
    DIR *const entries = ::opendir(directory.constData());
    if (!entries)
        return;
    const time_t before = std::time(nullptr) - staleAfterSeconds;
    while (const dirent *entry = ::readdir(entries)) {
        struct stat info = {};
        if (isTemporaryName(entry->d_name)
            && ::fstatat(::dirfd(entries), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && info.st_mtime < before)
            ::unlinkat(::dirfd(entries), entry->d_name, 0);
    }
    ::closedir(entries);
}

} // namespace

TemporaryFile::TemporaryFile(const QByteArray &target, mode_t mode) : m_target(target)
{
    removeStaleTemporaries(directoryOf(target));
    for (int attempt = 0; attempt < 16 && !m_file.isValid(); ++attempt) {
        m_name = joined(directoryOf(target), temporaryName());
        m_file.reset(::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (!m_file.isValid() && errno != EEXIST)
            break;
    }
    if (m_file.isValid())
        reachSavePoint(SavePoint::TemporaryCreated, QFile::decodeName(target));
}

TemporaryFile::~TemporaryFile()
{
    if (!m_renamed && m_file.isValid())
        ::unlink(m_name.constData());
}

bool TemporaryFile::write(const QByteArray &content)
{
    if (!writeAllAt(m_file.get(), content, 0))
        return false;
    reachSavePoint(SavePoint::TemporaryWritten, QFile::decodeName(m_target));
    return ::fsync(m_file.get()) == 0;
}

WriteResult TemporaryFile::commit()
{
    if (::rename(m_name.constData(), m_target.constData()) != 0)
        return WriteResult::CannotCreate; // the system refuses the name
    m_renamed = true;
    m_file.close();
    // The new name must survive a power cut too.
    return syncDirectoryOf(m_target) ? WriteResult::Written : WriteResult::CannotWrite;
}

Backup::Backup(const QByteArray &target, const struct stat &targetInfo, const QByteArray &bytes)
{
    const QString fileName = QFile::decodeName(fileNameOf(target));
    FileDescriptor file;
    QByteArray name;
    for (int attempt = 1; attempt <= 100 && !file.isValid(); ++attempt) {
        name = joined(directoryOf(target), QFile::encodeName(backupFileName(fileName, attempt)));
        // Private to its owner, whatever the file's own permissions.
        file.reset(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!file.isValid() && errno != EEXIST)
            return;
    }
    if (!file.isValid())
        return;
    // The file's owner can read it, also when root saved the file.
    if (::fchown(file.get(), targetInfo.st_uid, targetInfo.st_gid) != 0) {
        // Then it stays the process user's.
    }
    if (!writeAllAt(file.get(), bytes, 0) || ::fsync(file.get()) != 0 || !file.close()
        || !syncDirectoryOf(name)) {
        ::unlink(name.constData());
        return;
    }
    m_name = name;
}

void Backup::remove()
{
    if (isValid() && ::unlink(m_name.constData()) == 0)
        syncDirectoryOf(m_name);
    m_name.clear();
}
