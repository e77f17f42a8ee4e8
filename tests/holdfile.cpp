// Holds a file open as an indexer or a virus scanner would:
// holdfile PATH SHARING MILLISECONDS, SHARING some of "rwd" (what others may
// do meanwhile: read, write, delete), a negative time for good. Prints
// "held" once the file is open.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <windows.h>

int main(int argc, char *argv[])
{
    const auto shares = [&](char c, DWORD mode) { return std::strchr(argv[2], c) ? mode : 0; };
    const HANDLE file = argc != 4 ? INVALID_HANDLE_VALUE
            : CreateFileA(argv[1], GENERIC_READ, shares('r', FILE_SHARE_READ) | shares('w', FILE_SHARE_WRITE)
                                  | shares('d', FILE_SHARE_DELETE), nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    Sleep(std::atoi(argv[3]) < 0 ? INFINITE : DWORD(std::atoi(argv[3])));
    return 0;
}
