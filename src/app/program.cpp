#include "app/program.h"

#include "app/commandline.h"
#include "dialog/mirlocl.h"
#include "i18n/i18nutil.h"
#include "options/optionsfile.h"

#include <QApplication>

QStringList programArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int runProgram(QApplication &application, const QStringList &arguments,
               const QString &workingDirectory)
{
    if (!installTranslators(application, {QStringLiteral("Vimbracl_")}))
        return -1;
    const CommandLine commandLine = parseCommandLine(arguments, workingDirectory);
    if (commandLine.error)
        return -1;

    OptionsFile store(commandLine.fileName);
    MirloCL dialog(store, commandLine.language);
    dialog.show();
    return QApplication::exec();
}
