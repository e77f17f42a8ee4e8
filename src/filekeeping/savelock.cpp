#include "filekeeping/savelock.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString lockFileName(const QString &target)
{
    const QFileInfo file(target);
    return file.dir().filePath(u'.' + file.fileName() + QStringLiteral(".vimbracl-lock"));
}

} // namespace

SaveLock::SaveLock(const QString &target) : m_file(lockFileName(target))
{
    m_mayWrite = m_file.tryLock(waitMilliseconds) || m_file.error() != QLockFile::LockFailedError;
}
