#include "store/knownfile.h"

KnownFile knownFrom(const FileContent &content)
{
    return {content.status, content.identity, content.bytes};
}

bool changedSince(const KnownFile &known, const FileContent &now)
{
    if (now.status == ReadStatus::Missing)
        return false;
    if (known.status == ReadStatus::Missing || known.identity != now.identity)
        return true;
    // A time stamp may be too coarse to show a quick change; the bytes are not.
    return known.status == ReadStatus::Read && now.status == ReadStatus::Read
            && !now.bytes.startsWith(known.bytes);
}
