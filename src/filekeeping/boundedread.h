#pragma once

#include "filekeeping/fileaccess.h"
#include "filekeeping/filesystem.h"

#include <functional>

// The open file `file`, which `identity` describes, read from its offset
// as `mode` says, at most `limit` bytes: TooLong at once where the whole of
// a larger file is asked. The save and every plain read go through it, so a
// line over the limit is TooLong whichever reads it. `mayReadOn`, where
// given, is asked before each read after the first.
FileContent readOpened(SystemFile &file, const FileIdentity &identity, qsizetype limit, ReadMode mode,
                       const std::function<bool()> &mayReadOn = {});
