#pragma once

// Reading through a descriptor, and what identifies the file read.

#include "filekeeping/fileaccess.h"

#include <sys/stat.h>

// Reads on from the current offset, as `mode` says, at most `limit` bytes.
FileContent readFromDescriptor(int fd, qsizetype limit, ReadMode mode);

// The file open as `fd`, described by `info`, read as `mode` says.
FileContent readOpenFile(int fd, const struct stat &info, qsizetype limit, ReadMode mode);

FileIdentity identityOf(const struct stat &info);
