#pragma once

#include <QByteArray>
#include <QString>

enum class WriteResult {
    Written,
    CannotCreate, // the file could not be opened for writing
    CannotWrite,  // a write, the flush or the final rename failed
};

// Replaces the file's content as a whole: the bytes go to a temporary file in
// the same directory, which is renamed over the file only once every byte is
// on disk. On failure the old file is untouched and no temporary is left. A
// symbolic link stays a link; its target receives the content.
WriteResult writeFileAtomically(const QString &path, const QByteArray &content);
