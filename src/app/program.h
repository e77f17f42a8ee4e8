#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// Everything main() does once the application object exists: the
// installation check, the command line, the store, the dialog and the event
// loop. Returns the process exit code: -1 when the program cannot start.
int runProgram(QApplication &application, const QStringList &arguments,
               const QString &workingDirectory);
