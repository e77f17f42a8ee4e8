#pragma once

#include "filekeeping/fileaccess.h"
#include "filekeeping/win/systemcalls_win.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include <windows.h>

// A Win32 file handle, closed when it goes.
class FileHandle
{
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { reset(); }
    FileHandle(FileHandle &&other) noexcept : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
    FileHandle &operator=(FileHandle &&other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }

    bool isValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    void reset()
    {
        if (isValid())
            CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE));
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// Indexers and virus scanners open a file for a moment just as it is
// written. A step they keep from happening (a sharing or lock violation,
// access denied, a replaced file not yet removable, a network name gone a
// moment) is tried again with growing pauses, for about a second and a half
// in all; the error of the last try stays the thread's last error.
bool retryWhileHeld(const std::function<bool()> &attempt);

// While one lives, the steps retried on its thread share those pauses: a
// save waits out another program once, not at every step. One made while
// another lives joins it.
class RetryBound
{
public:
    RetryBound();
    ~RetryBound();
    RetryBound(const RetryBound &) = delete;
    RetryBound &operator=(const RetryBound &) = delete;

    DWORD pausedMs = 0;

private:
    bool m_joined;
};

// The path as Win32 takes it at any length: absolute, with backslashes,
// behind the \\?\ prefix that turns off the system's own rewriting of names.
std::wstring systemPath(const QString &path);
// The path as the user writes it: without the prefix, with forward slashes.
QString withoutSystemPrefix(QString path);

// Names the system would turn into a device (CON, NUL, COM1 and the like,
// with any extension) or into another file (a trailing dot or space is
// dropped).
bool isRefusedName(const QString &path);

// The name with any short (8.3) part made long, as far as it exists.
QString longFileName(const QString &path);

// Opens `path`, sharing reading, writing and deleting with every other
// program, as a held file is retried.
FileHandle openShared(const std::wstring &path, DWORD access, DWORD disposition,
                      DWORD flags = FILE_ATTRIBUTE_NORMAL);

struct FileFacts
{
    FileIdentity identity; // volume serial number, file ID, size, last write
    DWORD attributes = 0;
    DWORD links = 1;
};
std::optional<FileFacts> factsOf(HANDLE file);
// Of the file at `path`, links followed; nothing when there is none.
std::optional<FileFacts> factsAt(const std::wstring &path);

// Where `path` leads, links followed and in the case the disk has, or the
// absolute path itself while nothing is there.
QString finalPath(const QString &path);

bool writeAll(HANDLE file, const QByteArray &content);

// Deletes the file at `path`, retried while another program holds it.
bool removeHeldFile(const std::wstring &path);
