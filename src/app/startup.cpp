#include "app/startup.h"

#include "app/information.h"
#include "app/program.h"
#include "app/widgetprompter.h"
#include "dialog/dialoglook.h"
#include "filekeeping/savelock.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

int startProgram(int argc, char *argv[], QObject *watcher)
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
    // A save that waits for another instance shows that it waits.
    setLockWaitHook([](bool waiting) {
        if (waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    if (watcher)
        application.installEventFilter(watcher);
    ProgramInput input = programInput(argc, argv);
#ifdef Q_OS_WIN
    // Windows' command line is UTF-16; argv holds it narrowed to the code
    // page, which loses what the page lacks. Qt reads it whole, and every
    // name decodes.
    input.arguments = QCoreApplication::arguments().mid(1);
    input.undecodable.clear();
#endif
    return runProgram(application, input);
}
