// File access for systems without POSIX calls: Qt's own, with fewer of the
// guarantees (ownership and links are the system's concern there).
#include "filekeeping/fileaccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

FileContent readRegularFile(const QString &path, qsizetype limit, ReadMode mode)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {ReadStatus::Missing, {}};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {ReadStatus::Unreadable, {}};
    QByteArray bytes = mode == ReadMode::FirstLine ? file.readLine(limit + 1) : file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {ReadStatus::Unreadable, {}};
    if (mode == ReadMode::Prefix)
        return {ReadStatus::Read, bytes.left(limit)};
    if (bytes.size() > limit)
        return {ReadStatus::TooLong, {}};
    return {ReadStatus::Read, bytes};
}

WriteResult replaceFileContent(const QString &path, const QByteArray &content)
{
    const QFileInfo existing(QFileInfo(path).canonicalFilePath().isEmpty()
                                     ? path
                                     : QFileInfo(path).canonicalFilePath());
    if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
        return WriteResult::CannotCreate;
    QSaveFile file(existing.filePath());
    // Unbuffered, so that a failing write shows in write()'s count.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return WriteResult::CannotCreate;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return WriteResult::CannotWrite;
    }
    if (file.commit())
        return WriteResult::Written;
    return file.error() == QFileDevice::RenameError ? WriteResult::CannotCreate
                                                    : WriteResult::CannotWrite;
}
