#include "options/atomicwrite.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

QString resolvedTarget(const QString &path)
{
    QFileInfo info(path);
    // Bounded, so that a cycle of links cannot loop.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

} // namespace

WriteResult writeFileAtomically(const QString &path, const QByteArray &content)
{
    const QString target = resolvedTarget(path);
    const QFileInfo existing(target);
    if (existing.exists() && !existing.isWritable())
        return WriteResult::CannotCreate;

    QSaveFile file(target);
    // Unbuffered, so that a failing write shows in write()'s count: a
    // buffered QSaveFile can commit after its flush failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteResult::CannotCreate;
    if (file.write(content) != content.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting(); // the destructor then removes the temporary
        return WriteResult::CannotWrite;
    }
    if (file.commit())
        return WriteResult::Written;
    // The bytes were written but the name could not be made: the system
    // refuses the path itself.
    return file.error() == QFileDevice::RenameError ? WriteResult::CannotCreate
                                                    : WriteResult::CannotWrite;
}
