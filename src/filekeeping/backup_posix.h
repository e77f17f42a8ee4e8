#pragma once

#include <QByteArray>

#include <sys/stat.h>

// A synced copy of a file's previous bytes beside it, for as long as the
// file is written in place: what a crash or a kill then leaves is found by
// the next start. The copy is written under a temporary name and named
// only once it is whole and synced, so the backup's name never holds an
// empty or torn copy, and it never replaces an earlier backup. Private to
// the file's owner. Kept unless removed.
class Backup
{
public:
    enum class Outcome {
        Made,
        NoRoom, // the directory takes no new file: the file is written without one
        Failed, // writing or naming the copy failed: the file is better left alone
    };

    Backup(const QByteArray &target, const struct stat &targetInfo, const QByteArray &bytes);
    Backup(const Backup &) = delete;
    Backup &operator=(const Backup &) = delete;

    Outcome outcome() const { return m_outcome; }
    void remove();

private:
    Outcome make(const QByteArray &target, const struct stat &targetInfo, const QByteArray &bytes);

    QByteArray m_name;
    Outcome m_outcome;
};
