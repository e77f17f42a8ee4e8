#include "app/commandline.h"
#include "app/widgetprompter.h"
#include "dialog/dialoglook.h"
#include "dialog/mirlocl.h"
#include "options/optionsfile.h"

#include <QApplication>
#include <QDir>

namespace {

// QApplication has already taken its own options out of argv.
QStringList programArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString workingDirectory()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyFixedLayoutLook(application);
    WidgetPrompter widgetPrompter;
    setPrompter(&widgetPrompter);

    const CommandLine commandLine = parseCommandLine(programArguments(argc, argv), workingDirectory());
    if (commandLine.error)
        return -1;

    OptionsFile store(commandLine.fileName);
    MirloCL dialog(store, commandLine.language);
    dialog.show();
    return application.exec();
}
