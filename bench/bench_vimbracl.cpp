// The real program, quitting after its first paint.
#include "firstpaintquitter.h"

#include "app/program.h"
#include "app/widgetprompter.h"
#include "dialog/dialoglook.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    applyFixedLayoutLook();
    WidgetPrompter widgetPrompter;
    setPrompter(&widgetPrompter);
    FirstPaintQuitter quitter;
    application.installEventFilter(&quitter);
    return runProgram(application, programInput(argc, argv));
}
