#pragma once

#include "filekeeping/fileaccess.h"

#include <functional>

// Reads on through `readSome` (which fills at most the given size and
// returns the count, 0 at the end, or -1 on an error), as `mode` says, at
// most `limit` bytes. Both backends read through it, so a line over the
// limit is TooLong whichever reads it.
using ReadSome = std::function<qint64(char *buffer, qint64 size)>;
FileContent readBounded(const ReadSome &readSome, qsizetype limit, ReadMode mode);
