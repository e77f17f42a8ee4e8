#include "filekeeping/temporaryfile.h"

#include "filekeeping/savepoints.h"
#include "filekeeping/temporarynames.h"

namespace {

// No save still runs after a minute.
void removeStaleTemporaries(const SystemName &target)
{
    for (const filesystem::Entry &entry : filesystem::filesBeside(target, isTemporaryFileName)) {
        if (entry.ageSeconds > staleTemporarySeconds)
            filesystem::remove(entry.name);
    }
}

} // namespace

TemporaryFile::TemporaryFile(const SystemName &target, filesystem::Access access) : m_target(target)
{
    removeStaleTemporaries(target);
    filesystem::Fault fault = filesystem::Fault::Exists;
    for (int attempt = 0; attempt < 16 && fault == filesystem::Fault::Exists; ++attempt) {
        m_name = filesystem::beside(target, temporaryFileName());
        m_file = filesystem::createNew(m_name, access, fault);
    }
    m_created = m_file.isValid();
}

// Closed before it loses its name: some FUSE file systems keep an open file
// they are told to remove, as a hidden file that outlives a power cut.
TemporaryFile::~TemporaryFile()
{
    m_file.reset();
    if (m_created && !m_named)
        filesystem::remove(m_name);
}

bool TemporaryFile::fill(const QByteArray &content)
{
    const QString target = filesystem::shownName(m_target);
    const bool filled = reachSavePoint(SavePoint::TemporaryCreated, target)
            && filesystem::writeAt(m_file, content, 0) && syncAt(m_file, m_name);
    m_file.reset();
    return filled && reachSavePoint(SavePoint::TemporaryWritten, target);
}

bool syncAt(SystemFile &file, const SystemName &name)
{
    return reachSavePoint(SavePoint::Syncing, filesystem::shownName(name)) && filesystem::sync(file);
}

bool syncFolderOf(const SystemName &name)
{
    const SystemName folder = filesystem::directoryOf(name);
    return reachSavePoint(SavePoint::Syncing, filesystem::shownName(folder)) && filesystem::syncDirectory(folder);
}
