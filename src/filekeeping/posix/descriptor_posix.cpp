#include "filekeeping/posix/descriptor_posix.h"

#include "filekeeping/posix/systemcalls_posix.h"

FileDescriptor &FileDescriptor::operator=(FileDescriptor &&other) noexcept
{
    if (this != &other) {
        reset(other.m_fd);
        other.m_fd = -1;
    }
    return *this;
}

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        systemCalls().close(m_fd);
    m_fd = fd;
}
