#pragma once

#include <windows.h>

// The Win32 calls that change or examine the user's files, each through
// this one table. The program never changes it; a test replaces an entry to
// make a call fail as Windows does (the codes, and the state a failure
// leaves behind), which Wine's own calls never show.
struct SystemCalls
{
    decltype(&CreateFileW) createFile = &CreateFileW;
    decltype(&ReplaceFileW) replaceFile = &ReplaceFileW;
    decltype(&MoveFileExW) moveFile = &MoveFileExW;
    decltype(&DeleteFileW) deleteFile = &DeleteFileW;
    decltype(&GetFileAttributesW) getFileAttributes = &GetFileAttributesW;
    decltype(&SetFileAttributesW) setFileAttributes = &SetFileAttributesW;
    decltype(&ReadFile) readFile = &ReadFile;
    decltype(&WriteFile) writeFile = &WriteFile;
    decltype(&FlushFileBuffers) flushFileBuffers = &FlushFileBuffers;
    decltype(&SetEndOfFile) setEndOfFile = &SetEndOfFile;
    decltype(&Sleep) sleep = &Sleep;
    decltype(&GetFileInformationByHandle) getFileInformationByHandle = &GetFileInformationByHandle;
    decltype(&GetFileInformationByHandleEx) getFileInformationByHandleEx = &GetFileInformationByHandleEx;
};

SystemCalls &systemCalls();
