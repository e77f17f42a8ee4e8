#include "filekeeping/posix/reading_posix.h"

#include "filekeeping/boundedread.h"
#include "filekeeping/posix/systemcalls_posix.h"

#include <cerrno>

#include <unistd.h>

FileContent readFromDescriptor(int fd, qsizetype limit, ReadMode mode)
{
    return readBounded(
            [fd](char *buffer, qint64 size) {
                for (;;) {
                    const ssize_t count = systemCalls().read(fd, buffer, size_t(size));
                    if (count >= 0 || errno != EINTR)
                        return qint64(count);
                }
            },
            limit, mode);
}

FileContent readOpenFile(int fd, const struct stat &info, qsizetype limit, ReadMode mode)
{
    FileContent content = mode == ReadMode::Whole && info.st_size > limit
            ? FileContent{ReadStatus::TooLong, {}, {}}
            : readFromDescriptor(fd, limit, mode);
    content.identity = identityOf(info);
    return content;
}

FileIdentity identityOf(const struct stat &info)
{
    return {.device = quint64(info.st_dev), .inode = quint64(info.st_ino), .size = qint64(info.st_size),
            .modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}
