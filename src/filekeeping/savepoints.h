#pragma once

#include <QString>

#include <functional>

// Named points of a read or a save. Tests install a hook to change the world
// there (swap a file, stop the process) the way another program or a crash
// would, or to make the step that follows the point fail as an I/O error
// would; the program itself installs none.
enum class SavePoint {
    Reading,          // the file is open (and locked, for a save); its first read follows
    ReadingOn,        // a read has got bytes; the next read follows
    TemporaryCreated, // an empty temporary file, with the owner, ACLs and mode it keeps,
                      // stands beside the target; the bytes are written next
    TemporaryWritten, // the temporary holds its bytes, synced, and is closed: another
                      // program may open it; it takes its name next
    Renamed,          // the temporary has just taken its name (the target's, or a backup's);
                      // the directory is synced next
    BackupNamed,      // in place: a synced copy of the previous bytes has its backup
                      // name, and that name is synced; the file is written next
    WrittenInPlace,   // in place: the new bytes are written, the old tail not yet cut
                      // and nothing synced
    Syncing,          // the file or directory named is synced next
};

// Returns false to make the step that follows the point fail.
using SavePointHook = std::function<bool(SavePoint point, const QString &path)>;

// Installs `hook` (an empty one removes it).
void setSavePointHook(SavePointHook hook);
// False when the installed hook fails the step. `path` names the file saved
// or read, or for Syncing what is synced.
bool reachSavePoint(SavePoint point, const QString &path);
