#pragma once

#include "filekeeping/fileaccess.h"

#include <QTest>

// A macro, as QSKIP must return from the test function itself.
#define SKIP_UNLESS_POSIX_BACKEND(why) do { if (fileBackend() != FileBackend::Posix) QSKIP(why); } while (false)
// For what the POSIX and Win32 backends both keep: file IDs, hard links.
#define SKIP_ON_PORTABLE_BACKEND(why) do { if (fileBackend() == FileBackend::Qt) QSKIP(why); } while (false)
