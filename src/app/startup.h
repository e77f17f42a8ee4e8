#pragma once

class QObject;

// Everything main() does: the command line is read once into what was
// asked, and each request is one function below. `watcher`, when given,
// filters every event of the dialog's application (a benchmark ends the run
// with it). Returns the exit code.
int startProgram(int argc, char *argv[], QObject *watcher = nullptr);
