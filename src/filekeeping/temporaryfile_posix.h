#pragma once

#include "filekeeping/fileaccess.h"
#include "filekeeping/posixfile.h"

#include <QByteArray>

#include <sys/stat.h>

// A new file beside `target`, so that the rename stays on one file system.
// Its name, .vimbracl-save-RANDOM.tmp, is the program's own: creating one
// first removes those that a killed save left in that directory over a
// minute ago. Removed again unless committed.
class TemporaryFile
{
public:
    TemporaryFile(const QByteArray &target, mode_t mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool isValid() const { return m_file.isValid(); }
    int fd() const { return m_file.get(); }

    // Writes and syncs the new bytes: give it its owner, ACLs and mode first.
    bool write(const QByteArray &content);
    // Gives the temporary file the target's name and syncs the directory.
    WriteResult commit();

private:
    QByteArray m_target;
    QByteArray m_name;
    FileDescriptor m_file;
    bool m_renamed = false;
};

// A synced copy of a file's previous bytes beside it, for as long as the
// file is written in place: what a crash or a kill then leaves is found by
// the next start. Kept unless removed.
class Backup
{
public:
    Backup(const QByteArray &target, const struct stat &targetInfo, const QByteArray &bytes);
    Backup(const Backup &) = delete;
    Backup &operator=(const Backup &) = delete;

    bool isValid() const { return !m_name.isEmpty(); }
    void remove();

private:
    QByteArray m_name;
};
