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

// Read before Qt takes its own options out of argv. On Windows the
// arguments are read from the UTF-16 command line, so every name decodes.
ProgramInput programInput(int argc, char *argv[]);

// The dialog, once the application object has taken its own options out of
// `input.arguments`: the installation check, the command line, the store,
// the dialog and the event loop. Returns the process exit code: -1 when the
// program cannot start.
int runDialog(QApplication &application, const ProgramInput &input);
