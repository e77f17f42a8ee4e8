// File access for systems without POSIX calls: Qt's own, with fewer of the
// guarantees (ownership and links are the system's concern there).
#include "filekeeping/fileaccess.h"

#include "filekeeping/boundedread.h"
#include "filekeeping/savepoints.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace {

// Where `path` leads, links followed as the system follows them: the file
// itself, or for a name that does not exist yet (a dangling link included)
// the name it would be created under. Nothing for a link loop.
std::optional<QString> resolvedPath(const QString &path)
{
    QString current = path;
    // The system gives up on a chain of links at about this depth too.
    for (int depth = 0; depth < 40; ++depth) {
        const QFileInfo info(current);
        if (info.exists())
            return info.canonicalFilePath();
        if (!info.isSymbolicLink())
            return info.absoluteFilePath();
        current = info.symLinkTarget();
    }
    return std::nullopt;
}

} // namespace

FileBackend fileBackend()
{
    return FileBackend::Qt;
}

FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode)
{
    const std::optional<QString> target = resolvedPath(path);
    if (!target)
        return {ReadStatus::Unreadable, {}};
    const QFileInfo info(*target);
    if (!info.exists())
        return {ReadStatus::Missing, {}};
    QFile file(*target);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {ReadStatus::Unreadable, {}};
    if (mode == ReadMode::Whole && info.size() > limit)
        return {ReadStatus::TooLong, {}};
    return readBounded([&file](char *buffer, qint64 size) { return file.read(buffer, size); },
                       limit, mode);
}

WriteResult replaceFileContent(const QString &path, const QByteArray &content)
{
    const std::optional<QString> target = resolvedPath(path);
    if (!target)
        return WriteResult::CannotCreate;
    const QFileInfo existing(*target);
    if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
        return WriteResult::CannotCreate;
    QSaveFile file(*target);
    // Unbuffered, so that a failing write shows in write()'s count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteResult::CannotCreate;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return WriteResult::CannotWrite;
    }
    reachSavePoint(SavePoint::BeforeRename, *target);
    if (file.commit())
        return WriteResult::Written;
    // The system refused the name.
    return file.error() == QFileDevice::RenameError ? WriteResult::CannotCreate
                                                    : WriteResult::CannotWrite;
}
