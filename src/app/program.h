#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// What the program is started with.
struct ProgramInput
{
    QStringList arguments;  // after the program's name
    QString workingDirectory; // empty when it is gone or its name cannot be decoded
    QStringList undecodable; // arguments whose bytes do not decode to a name
};

// QApplication has already taken its own options out of argv.
ProgramInput programInput(int argc, char *argv[]);

// Everything main() does once the application object exists: the
// installation check, the command line, the store, the dialog and the event
// loop. Returns the process exit code: -1 when the program cannot start.
int runProgram(QApplication &application, const ProgramInput &input);
