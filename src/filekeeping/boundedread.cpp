#include "filekeeping/boundedread.h"

#include "filekeeping/textencoding.h"

#include <utility>
#include <vector>

namespace {

// Reads on through `readSome` (which fills at most the given size and
// returns the count, 0 at the end, or -1 on an error), as `mode` says.
using ReadSome = std::function<qint64(char *buffer, qint64 size)>;
FileContent readBounded(const ReadSome &readSome, qsizetype limit, ReadMode mode)
{
    // Large chunks: a long line costs a few system calls, not one per byte.
    // One buffer a thread: each read would otherwise clear 64 KiB anew.
    thread_local std::vector<char> chunk(qsizetype(64) * 1024);
    QByteArray bytes;
    for (;;) {
        const qsizetype wanted = mode == ReadMode::Prefix
                ? qMin(qsizetype(chunk.size()), limit - bytes.size())
                : qsizetype(chunk.size());
        if (wanted <= 0)
            return {ReadStatus::Read, bytes, {}};
        // An error after some bytes is an error too, never the end of the file.
        const qint64 count = readSome(chunk.data(), wanted);
        if (count < 0)
            return {ReadStatus::Unreadable, {}, {}};
        if (count == 0)
            return {ReadStatus::Read, bytes, {}};
        const qsizetype start = bytes.size();
        bytes.append(chunk.data(), count);
        const qsizetype lineEnd = mode == ReadMode::FirstLine ? endOfFirstLine(bytes, start) : -1;
        if (lineEnd >= 0)
            bytes.truncate(lineEnd);
        if (bytes.size() > limit)
            return {ReadStatus::TooLong, {}, {}};
        if (lineEnd >= 0)
            return {ReadStatus::Read, bytes, {}};
    }
}

} // namespace

FileContent readOpened(SystemFile &file, const FileIdentity &identity, qsizetype limit, ReadMode mode,
                       const std::function<bool()> &mayReadOn)
{
    if (mode == ReadMode::Whole && identity.size > limit)
        return {ReadStatus::TooLong, {}, identity};
    bool started = false;
    FileContent content = readBounded(
            [&](char *buffer, qint64 size) -> qint64 {
                if (std::exchange(started, true) && mayReadOn && !mayReadOn())
                    return -1;
                return filesystem::readSome(file, buffer, size);
            },
            limit, mode);
    content.identity = identity;
    return content;
}
