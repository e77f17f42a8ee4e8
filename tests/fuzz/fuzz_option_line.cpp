// libFuzzer entry: arbitrary bytes as the options file.
#include "optionlinecheck.h"

#include "filekeeping/posix/systemcalls_posix.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The check is about bytes, not the disk: no save waits for a sync.
    [[maybe_unused]] static const int noSync = (systemCalls().fsync = [](int) { return 0; }, 0);
    static QTemporaryDir directory;
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString problem = checkOptionLineRoundTrip(content, directory.path());
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
