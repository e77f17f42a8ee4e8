#pragma once

#include "filekeeping/handle_win.h"

#include <QByteArray>
#include <QString>

#include <string>

// A new file beside `target` (a final path) under a name of the program's
// own, created after those that killed saves left there over a minute ago
// are removed. Removed again, retried while another program holds it,
// unless it was given a name.
class TemporaryFile
{
public:
    enum class Access {
        Default, // the folder's: it becomes a new file
        Private, // its owner's alone: it holds a file's bytes, which may not be
                 // everyone's, before it takes that file's ACL, or as its backup
    };

    explicit TemporaryFile(const QString &target, Access access);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    bool isValid() const { return !m_path.empty(); }
    const std::wstring &path() const { return m_path; }

    // Writes `content` and flushes it to the disk; a failed flush fails.
    // The file is closed afterwards, as a scanner may open it any time.
    bool fill(const QByteArray &content);
    // The file now has another name, for good.
    void named() { m_path.clear(); }

private:
    QString m_target;
    std::wstring m_path;
    FileHandle m_file;
};
