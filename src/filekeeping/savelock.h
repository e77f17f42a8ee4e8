#pragma once

#include "filekeeping/filesystem.h"

#include <functional>

// Serialises the saves of one file by every instance of the program: a lock
// file beside it (.NAME.vimbracl-lock, holding the holder's process ID,
// program and host as Qt's QLockFile writes them), never the file's own
// descriptor, so that no save holds the file open while a rename replaces
// it. A holder that was killed leaves a lock the next save takes over, and
// so does a power cut that leaves one naming no holder. Where no file may
// be created beside it, a save goes on unserialised, as it could not be
// made otherwise. Removed when the save ends, however it ends; where the
// system refuses that, emptied, so that it names no holder.
class SaveLock
{
public:
    explicit SaveLock(const SystemName &target);
    ~SaveLock() { unlock(); }
    SaveLock(const SaveLock &) = delete;
    SaveLock &operator=(const SaveLock &) = delete;

    // False when another holder kept the lock for the whole wait, ten
    // seconds.
    bool mayWrite() const { return m_mayWrite; }
    void unlock();

private:
    enum class Taking { Taken, Held, Impossible };
    Taking take();
    bool isStale() const;

    SystemName m_name;
    SystemFile m_file; // open while held
    bool m_held = false;
    bool m_mayWrite = true;
};

// Told when a save begins and ends waiting for another holder of the lock,
// so that the user sees the program wait. An empty one removes it.
using LockWaitHook = std::function<void(bool waiting)>;
void setLockWaitHook(LockWaitHook hook);
