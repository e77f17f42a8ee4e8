#include "filekeeping/posix/reading_posix.h"

FileIdentity identityOf(const struct stat &info)
{
    return {.device = quint64(info.st_dev), .inode = quint64(info.st_ino), .size = qint64(info.st_size),
            .modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}
