#pragma once

#include "filekeeping/filesystem.h"

#include <QByteArray>

// A new file beside the target, so that naming it stays on one file
// system. Its name, .vimbracl-save-RANDOM.tmp, is the program's own:
// creating one first removes those that killed saves left in that folder
// over a minute ago. Removed again unless it was given a name.
class TemporaryFile
{
public:
    TemporaryFile(const SystemName &target, filesystem::Access access);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool isValid() const { return m_created; }
    SystemFile &file() { return m_file; }
    const SystemName &name() const { return m_name; }

    // Writes `content`, syncs it and closes the file: from here on a
    // scanner may open it. Give a private file its identity first.
    bool fill(const QByteArray &content);
    // The bytes are under another name now, for good.
    void named() { m_named = true; }

private:
    SystemName m_target;
    SystemName m_name;
    SystemFile m_file;
    bool m_created = false;
    bool m_named = false;
};

// Reaches the sync point of `name` and syncs the file open as `file`.
bool syncAt(SystemFile &file, const SystemName &name);
// The same for the folder that holds `name`, so that a new or removed name
// there survives a power cut.
bool syncFolderOf(const SystemName &name);
