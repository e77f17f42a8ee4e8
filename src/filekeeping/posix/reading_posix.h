#pragma once

#include "filekeeping/fileaccess.h"

#include <sys/stat.h>

// What identifies the file that `info` describes.
FileIdentity identityOf(const struct stat &info);
