#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// The arguments after the program's name; QApplication has already taken
// its own options out of argv.
QStringList programArguments(int argc, char *argv[]);

// Everything main() does once the application object exists: the
// installation check, the command line, the store, the dialog and the event
// loop. Returns the process exit code: -1 when the program cannot start.
int runProgram(QApplication &application, const QStringList &arguments,
               const QString &workingDirectory);
