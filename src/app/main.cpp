#include "app/information.h"
#include "app/program.h"
#include "app/widgetprompter.h"
#include "dialog/dialoglook.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (const auto information = requestedInformation(programInput(argc, argv).arguments)) {
        std::fputs(information->toLocal8Bit().constData(), stdout);
        return 0;
    }
#ifdef SIGXFSZ
    // A file-size limit then fails the write, which is reported, instead of
    // ending the process silently.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    const bool styleChosen = styleChosenByUser(argc, argv);
    QApplication application(argc, argv);
    applyFixedLayoutLook(styleChosen);
    WidgetPrompter widgetPrompter;
    setPrompter(&widgetPrompter);
    return runProgram(application, programInput(argc, argv));
}
