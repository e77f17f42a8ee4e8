#include "app/program.h"
#include "app/widgetprompter.h"
#include "dialog/dialoglook.h"

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyFixedLayoutLook(application);
    WidgetPrompter widgetPrompter;
    setPrompter(&widgetPrompter);
    return runProgram(application, programArguments(argc, argv),
                      QDir::toNativeSeparators(QDir::currentPath()));
}
