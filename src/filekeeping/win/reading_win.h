#pragma once

#include "filekeeping/fileaccess.h"
#include "filekeeping/win/handle_win.h"

#include <QString>

// Reads the file at `path` (a final path), sharing every access with other
// programs and holding it open no longer than the read. Nothing but a file
// on a disk is read: a device, a pipe or a directory is Unreadable; a name
// the system would take for a device or another file is Missing, as no
// file of the program's may stand there. `facts` receives what the file
// was.
FileContent readFileAt(const QString &path, qsizetype limit, ReadMode mode, FileFacts &facts);
