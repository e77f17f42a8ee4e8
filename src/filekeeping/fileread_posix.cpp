#include "filekeeping/fileaccess.h"
#include "filekeeping/posixfile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0) {
        // No file can exist under a name the system refuses.
        const bool missing = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG;
        return {missing ? ReadStatus::Missing : ReadStatus::Unreadable, {}};
    }
    // Opening a FIFO or a device could block or have effects of its own.
    if (!S_ISREG(info.st_mode))
        return {ReadStatus::Unreadable, {}};
    // Non-blocking and checked again, in case the name changed in between.
    const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isValid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return {ReadStatus::Unreadable, {}};
    if (mode == ReadMode::Whole && info.st_size > limit)
        return {ReadStatus::TooLong, {}};
    return readFromDescriptor(file.get(), limit, mode);
}
