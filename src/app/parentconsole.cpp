#include "app/parentconsole.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

namespace {

bool hasHandle(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void attachParentConsole()
{
    const bool outRedirected = hasHandle(STD_OUTPUT_HANDLE);
    const bool errRedirected = hasHandle(STD_ERROR_HANDLE);
    if ((outRedirected && errRedirected) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!outRedirected)
        std::freopen("CONOUT$", "w", stdout);
    if (!errRedirected)
        std::freopen("CONOUT$", "w", stderr);
}
#else
void attachParentConsole() {}
#endif
