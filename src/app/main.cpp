#include "app/program.h"
#include "app/widgetprompter.h"
#include "dialog/dialoglook.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyFixedLayoutLook(application);
    WidgetPrompter widgetPrompter;
    setPrompter(&widgetPrompter);
    return runProgram(application, programArguments(argc, argv),
                      QDir::toNativeSeparators(QDir::currentPath()));
}
