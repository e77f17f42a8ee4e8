#include "filekeeping/boundedread.h"

#include "filekeeping/textencoding.h"

#include <vector>

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
