#pragma once

#include "filekeeping/descriptor_posix.h"
#include "filekeeping/fileaccess.h"

#include <QByteArray>

#include <sys/stat.h>

// A new file beside `target`, so that a rename stays on one file system.
// Its name, .vimbracl-save-RANDOM.tmp, is the program's own: creating one
// first removes those that a killed save left in that directory over a
// minute ago. Removed again unless it was given a name.
class TemporaryFile
{
public:
    TemporaryFile(const QByteArray &target, mode_t mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool isValid() const { return m_file.isValid(); }
    int fd() const { return m_file.get(); }

    // Writes and syncs `content`. Give the file its owner, ACLs and mode
    // first: from here on it holds the user's bytes.
    bool fill(const QByteArray &content);
    // Renames the file over the target and syncs the directory.
    WriteResult replaceTarget();

    enum class Naming { Named, Taken, Failed };
    // Gives the file `name` unless something stands there already, and
    // syncs the directory; a name that could not be synced is taken back.
    Naming nameWithoutReplacing(const QByteArray &name);

private:
    // The name is the file's now; the directory is synced next.
    bool renamed(const QByteArray &name);

    QByteArray m_target;
    QByteArray m_name;
    FileDescriptor m_file;
    bool m_created = false;
    bool m_named = false;
};
