#include "filekeeping/savelock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int waitMilliseconds = 10000;

QString lockFileName(const QString &target)
{
    const QFileInfo file(target);
    return file.dir().filePath(u'.' + file.fileName() + QStringLiteral(".vimbracl-lock"));
}

// A power cut can leave a lock file that names no holder. Younger than a
// second, it may be one that a holder is still writing its name into.
bool namesNoHolder(const QLockFile &lock, const QString &name)
{
    qint64 pid = 0;
    QString hostName, application;
    const QFileInfo file(name);
    return file.exists() && !lock.getLockInfo(&pid, &hostName, &application)
            && file.lastModified().secsTo(QDateTime::currentDateTime()) >= 1;
}

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

} // namespace

void setLockWaitHook(LockWaitHook hook)
{
    lockWaitHook() = std::move(hook);
}

SaveLock::SaveLock(const QString &target) : m_file(lockFileName(target))
{
    if (namesNoHolder(m_file, lockFileName(target)))
        m_file.removeStaleLockFile();
    m_mayWrite = m_file.tryLock(0) || m_file.error() != QLockFile::LockFailedError;
    if (m_mayWrite)
        return;
    announceWait(true);
    m_mayWrite = m_file.tryLock(waitMilliseconds) || m_file.error() != QLockFile::LockFailedError;
    announceWait(false);
}
