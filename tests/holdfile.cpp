// Holds a file open as an indexer or a virus scanner would:
//   holdfile PATH SHARING MILLISECONDS
// SHARING is what others may do meanwhile, some of "rwd" (read, write,
// delete); a negative time holds it until the process is ended. Prints
// "held" once the file is open.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <windows.h>

int main(int argc, char *argv[])
{
    if (argc != 4)
        return 2;
    const DWORD sharing = (std::strchr(argv[2], 'r') ? FILE_SHARE_READ : 0)
            | (std::strchr(argv[2], 'w') ? FILE_SHARE_WRITE : 0) | (std::strchr(argv[2], 'd') ? FILE_SHARE_DELETE : 0);
    const HANDLE file = CreateFileA(argv[1], GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    std::puts("held");
    std::fflush(stdout);
    const int milliseconds = std::atoi(argv[3]);
    Sleep(milliseconds < 0 ? INFINITE : DWORD(milliseconds));
    CloseHandle(file);
    return 0;
}
