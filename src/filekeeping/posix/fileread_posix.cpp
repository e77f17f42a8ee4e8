#include "filekeeping/boundedread.h"
#include "filekeeping/fileaccess.h"
#include "filekeeping/posix/descriptor_posix.h"
#include "filekeeping/posix/links_posix.h"
#include "filekeeping/posix/paths_posix.h"
#include "filekeeping/posix/reading_posix.h"
#include "filekeeping/posix/systemcalls_posix.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode)
{
    const std::optional<QByteArray> target = resolvedTarget(QFile::encodeName(path));
    if (!target)
        return {ReadStatus::Unreadable, {}, {}};
    struct stat info = {};
    if (systemCalls().lstat(target->constData(), &info) != 0)
        return {isMissingName(errno) ? ReadStatus::Missing : ReadStatus::Unreadable, {}, {}};
    // Opening a FIFO or a device could block or have effects of its own.
    if (!S_ISREG(info.st_mode))
        return {ReadStatus::Unreadable, {}, identityOf(info)};
    // Checked again once open, in case the name changed in between.
    FileDescriptor file(openTarget(*target, O_RDONLY));
    if (!file.isValid() || systemCalls().fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {ReadStatus::Unreadable, {}, identityOf(info)};
    return readOpened(file, identityOf(info), limit, mode);
}

bool isKeepableName(const QString &)
{
    return true;
}

QString usualFileName(const QString &path)
{
    return path;
}

bool sameFile(const QString &first, const QString &second)
{
    struct stat one = {};
    struct stat other = {};
    return ::stat(QFile::encodeName(first).constData(), &one) == 0
            && ::stat(QFile::encodeName(second).constData(), &other) == 0
            && one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}
