#pragma once

#include "filekeeping/fileaccess.h"

// What the program last read from a file or wrote to it: which file it was
// and what it held.
struct KnownFile
{
    ReadStatus status = ReadStatus::Missing;
    FileIdentity identity;
    QByteArray bytes; // the start of the file, as far as it was read
};

KnownFile knownFrom(const FileContent &content);

// Whether another program changed the file since it was known: another file
// stands at the name now, or it was written, or a file appeared where there
// was none. One that vanished is no change: it is simply created again.
bool changedSince(const KnownFile &known, const FileContent &now);
