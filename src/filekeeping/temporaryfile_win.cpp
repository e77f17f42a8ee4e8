#include "filekeeping/temporaryfile_win.h"

#include "filekeeping/savepoints.h"
#include "filekeeping/temporarynames.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

void removeStaleTemporaries(const QDir &directory)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-staleTemporarySeconds);
    for (const QFileInfo &entry : directory.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (isTemporaryFileName(entry.fileName()) && entry.lastModified() < before)
            systemCalls().deleteFile(systemPath(entry.filePath()).c_str());
    }
}

} // namespace

TemporaryFile::TemporaryFile(const QString &target) : m_target(target)
{
    const QDir directory = QFileInfo(target).dir();
    removeStaleTemporaries(directory);
    for (int attempt = 0; attempt < 16 && !m_file.isValid(); ++attempt) {
        const std::wstring path = systemPath(directory.filePath(temporaryFileName()));
        m_file = FileHandle(systemCalls().createFile(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (m_file.isValid())
            m_path = path;
        else if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
}

TemporaryFile::~TemporaryFile()
{
    m_file.reset();
    if (isValid())
        removeHeldFile(m_path);
}

bool TemporaryFile::fill(const QByteArray &content)
{
    const bool filled = reachSavePoint(SavePoint::TemporaryCreated, m_target) && writeAll(m_file.get(), content)
            && systemCalls().flushFileBuffers(m_file.get());
    m_file.reset();
    return filled && reachSavePoint(SavePoint::TemporaryWritten, m_target);
}
