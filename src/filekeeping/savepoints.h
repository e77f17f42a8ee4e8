#pragma once

#include <QString>

#include <functional>

// Named points of a save. Tests install a hook to change the world there
// (swap a file, stop the process) the way another program or a crash would,
// or to make the step there fail as an I/O error would; the program itself
// installs none.
enum class SavePoint {
    Reading,          // the file is locked; what it holds now is read next
    TemporaryCreated, // an empty temporary file stands beside the target
    TemporaryWritten, // the temporary holds the new bytes, synced, not yet in place
    BackupWritten,    // in place: the previous bytes are synced beside the file
    WrittenInPlace,   // in place: the new bytes are written, the old tail not yet cut
    DirectorySync,    // the directory that holds the new name is synced next
};

// Returns false to make the step at that point fail.
using SavePointHook = std::function<bool(SavePoint point, const QString &target)>;

// Installs `hook` (an empty one removes it).
void setSavePointHook(SavePointHook hook);
// False when the installed hook fails the step.
bool reachSavePoint(SavePoint point, const QString &target);
