#pragma once

#include <sys/stat.h>

// Makes the file `temporary` the same file to everyone else as `original`:
// owner and group, then extended attributes and ACLs (security.* aside,
// which the system sets itself), then permission bits. Done before the
// temporary file holds any content, so no one it would keep out can read it.
bool takeOverIdentity(int original, const struct stat &originalInfo, int temporary);
