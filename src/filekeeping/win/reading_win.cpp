#include "filekeeping/win/reading_win.h"

#include "filekeeping/boundedread.h"

namespace {

bool isMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

FileContent readOpenFile(HANDLE file, const FileFacts &facts, qsizetype limit, ReadMode mode)
{
    if (mode == ReadMode::Whole && facts.identity.size > limit)
        return {ReadStatus::TooLong, {}, facts.identity};
    FileContent content = readBounded(
            [file](char *buffer, qint64 size) -> qint64 {
                DWORD got = 0;
                const bool read = retryWhileHeld([&] {
                    return systemCalls().readFile(file, buffer, DWORD(qMin<qint64>(size, 1 << 20)), &got, nullptr) != 0;
                });
                return read ? qint64(got) : -1;
            },
            limit, mode);
    content.identity = facts.identity;
    return content;
}

} // namespace

FileContent readFileAt(const QString &path, qsizetype limit, ReadMode mode, FileFacts &facts)
{
    // Nothing the program may use stands there: a save would refuse it too.
    if (isRefusedName(path))
        return {ReadStatus::Missing, {}, {}};
    const std::wstring name = systemPath(path);
    // A directory is never opened, and so never waited for.
    const DWORD attributes = systemCalls().getFileAttributes(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return {isMissing(GetLastError()) ? ReadStatus::Missing : ReadStatus::Unreadable, {}, {}};
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return {ReadStatus::Unreadable, {}, {}};
    const FileHandle file = openShared(name, GENERIC_READ, OPEN_EXISTING);
    if (!file.isValid())
        return {isMissing(GetLastError()) ? ReadStatus::Missing : ReadStatus::Unreadable, {}, {}};
    const std::optional<FileFacts> found = factsOf(file.get());
    if (!found || GetFileType(file.get()) != FILE_TYPE_DISK || (found->attributes & FILE_ATTRIBUTE_DIRECTORY))
        return {ReadStatus::Unreadable, {}, {}};
    facts = *found;
    return readOpenFile(file.get(), facts, limit, mode);
}
