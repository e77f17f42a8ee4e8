#pragma once

#include <QLockFile>
#include <QString>

#include <functional>

// Serialises the saves of one file by every instance of the program: a lock
// file beside it (.NAME.vimbracl-lock), never the file's own descriptor, so
// that no save holds the file open while a rename replaces it. A holder that
// was killed leaves a lock the next save takes over. Where no file may be
// created beside it, a save goes on unserialised, as it could not be made
// otherwise.
class SaveLock
{
public:
    explicit SaveLock(const QString &target);
    SaveLock(const SaveLock &) = delete;
    SaveLock &operator=(const SaveLock &) = delete;

    // False when another holder kept the lock for the whole wait, ten
    // seconds.
    bool mayWrite() const { return m_mayWrite; }
    void unlock() { m_file.unlock(); }

private:
    QLockFile m_file;
    bool m_mayWrite;
};

// Told when a save begins and ends waiting for another holder of the lock,
// so that the user sees the program wait. An empty one removes it.
using LockWaitHook = std::function<void(bool waiting)>;
void setLockWaitHook(LockWaitHook hook);
