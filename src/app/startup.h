#pragma once

class QObject;

// Everything main() does: --help and --version, the look, the real boxes,
// then the run of the program. `watcher`, when given, filters every event of
// the application (a benchmark ends the run with it). Returns the exit code.
int startProgram(int argc, char *argv[], QObject *watcher = nullptr);
