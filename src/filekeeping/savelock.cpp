#include "filekeeping/savelock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSysInfo>

#include <thread>

namespace {

constexpr qint64 waitMilliseconds = 10000;
constexpr qint64 staleMilliseconds = 30000; // no save holds a lock that long
constexpr qint64 namelessMilliseconds = 1000; // a holder may still be writing its name

LockWaitHook &lockWaitHook()
{
    static LockWaitHook hook;
    return hook;
}

void announceWait(bool waiting)
{
    if (lockWaitHook())
        lockWaitHook()(waiting);
}

QByteArray holderName()
{
    const QString program = QCoreApplication::instance()
            ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
            : QString();
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8() + '\n'
            + QSysInfo::machineHostName().toUtf8() + '\n';
}

} // namespace

void setLockWaitHook(LockWaitHook hook)
{
    lockWaitHook() = std::move(hook);
}

SaveLock::SaveLock(const SystemName &target)
    : m_name(filesystem::beside(target, u'.' + filesystem::fileNameOf(target) + QStringLiteral(".vimbracl-lock")))
{
    Taking taking = take();
    if (taking != Taking::Held)
        return;
    announceWait(true);
    for (const qint64 end = QDateTime::currentMSecsSinceEpoch() + waitMilliseconds;
         taking == Taking::Held && QDateTime::currentMSecsSinceEpoch() < end;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        taking = take();
    }
    announceWait(false);
    m_mayWrite = taking != Taking::Held;
}

// The lock's own bytes need no sync: a power cut leaves a lock naming no
// holder, which the next save takes over.
SaveLock::Taking SaveLock::take()
{
    filesystem::Fault fault = filesystem::Fault::None;
    SystemFile file = filesystem::createNew(m_name, filesystem::Access::Public, fault);
    if (fault == filesystem::Fault::Exists) {
        if (!isStale())
            return Taking::Held;
        filesystem::remove(m_name);
        file = filesystem::createNew(m_name, filesystem::Access::Public, fault);
    }
    if (!file.isValid())
        return fault == filesystem::Fault::Exists ? Taking::Held : Taking::Impossible;
    m_held = true;
    m_file = std::move(file);
    if (!filesystem::writeAt(m_file, holderName(), 0))
        unlock(); // a lock naming no holder would stand for a second: none is better
    return m_held ? Taking::Taken : Taking::Impossible;
}

// A holder on this machine that no longer runs, a lock naming no holder
// that has had a second to be written, and any lock older than any save.
bool SaveLock::isStale() const
{
    const std::optional<FileIdentity> found = filesystem::identityAt(m_name);
    if (!found)
        return false;
    const qint64 age = QDateTime::currentMSecsSinceEpoch() - found->modifiedNs / 1000000;
    if (age > staleMilliseconds)
        return true;
    // Read as any file is: another user's lock the process may read but not write too.
    const FileContent content = readRegularFile(filesystem::shownName(m_name), 512, ReadMode::Prefix);
    if (content.status != ReadStatus::Read)
        return false;
    const QList<QByteArray> lines = content.bytes.split('\n');
    bool named = false;
    const qint64 pid = lines.value(0).toLongLong(&named);
    if (!named || lines.size() < 4)
        return age > namelessMilliseconds;
    return lines.value(2) == QSysInfo::machineHostName().toUtf8() && !filesystem::isProcessRunning(pid);
}

void SaveLock::unlock()
{
    if (std::exchange(m_held, false) && !filesystem::remove(m_name))
        filesystem::truncate(m_file, 0);
    m_file.reset();
}
