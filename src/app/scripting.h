#pragma once

#include <QString>

struct Request;

// The settings of a project without a window, for scripts. Messages go to
// the installed prompter.
struct ScriptResult
{
    // 0 when done, 1 when the request cannot be carried out as asked, 2 when
    // a file cannot be read or written.
    int exitCode = 0;
    QString output = {}; // for standard output
};

// Every setting as NAME=VALUE, then runtime-analysis and the line as
// stored. Reads only: a missing file is reported, never created.
ScriptResult showSettings(const Request &request, const QString &workingDirectory);
// Changes the settings asked for and saves as OK in the dialog does; the
// output is the line it wrote.
ScriptResult setSettings(const Request &request, const QString &workingDirectory);
