#include "filekeeping/win/systemcalls_win.h"

SystemCalls &systemCalls()
{
    static SystemCalls calls;
    return calls;
}
