#pragma once

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/xattr.h>
#endif

// The POSIX calls that change or examine the user's files, each through
// this one table. The program never changes it; a test replaces an entry
// to make a call fail as a system does (EIO, ENOSPC, EACCES, EXDEV, EINTR),
// or the fuzzing build to keep its files from the disk's syncs.
struct SystemCalls
{
    int (*open)(const char *path, int flags, mode_t mode) = [](const char *path, int flags, mode_t mode) {
        return ::open(path, flags, mode);
    };
    int (*close)(int fd) = &::close;
    ssize_t (*read)(int fd, void *buffer, size_t size) = &::read;
    ssize_t (*pwrite)(int fd, const void *buffer, size_t size, off_t offset) = &::pwrite;
    off_t (*lseek)(int fd, off_t offset, int whence) = &::lseek;
    int (*ftruncate)(int fd, off_t size) = &::ftruncate;
    int (*fsync)(int fd) = &::fsync;
    int (*fstat)(int fd, struct stat *info) = &::fstat;
    int (*lstat)(const char *path, struct stat *info) = &::lstat;
    int (*fchown)(int fd, uid_t owner, gid_t group) = &::fchown;
    int (*fchmod)(int fd, mode_t mode) = &::fchmod;
#ifdef __linux__
    int (*fsetxattr)(int fd, const char *name, const void *value, size_t size, int flags) = &::fsetxattr;
    int (*fremovexattr)(int fd, const char *name) = &::fremovexattr;
#endif
    int (*rename)(const char *from, const char *to) = &::rename;
    int (*renameNoReplace)(const char *from, const char *to); // renameat2's RENAME_NOREPLACE, where there is one
    int (*link)(const char *from, const char *to) = &::link;
    int (*unlink)(const char *path) = &::unlink;
    int (*dup)(int fd) = &::dup;

    SystemCalls();
};

SystemCalls &systemCalls();
