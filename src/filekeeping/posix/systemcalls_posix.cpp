#include "filekeeping/posix/systemcalls_posix.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>

SystemCalls::SystemCalls()
{
    renameNoReplace = [](const char *from, const char *to) {
#ifdef RENAME_NOREPLACE
        return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#else
        errno = ENOSYS;
        return -1;
#endif
    };
}

SystemCalls &systemCalls()
{
    static SystemCalls calls;
    return calls;
}
