#include "app/startup.h"

#include "app/consoleprompter.h"
#include "app/information.h"
#include "app/parentconsole.h"
#include "app/program.h"
#include "app/request.h"
#include "app/scripting.h"
#include "app/widgetprompter.h"
#include "dialog/dialoglook.h"
#include "filekeeping/savelock.h"
#include "i18n/i18nutil.h"
#include "messages/messages.h"

#include <QApplication>
#include <QDir>

#include <csignal>
#include <cstdio>

namespace {

void ignoreFileSizeSignal()
{
#ifdef SIGXFSZ
    // A file-size limit then fails the write, which is reported, instead of
    // ending the process silently.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

// Translations where the installation has them, English otherwise: a
// script needs no VIMBRADIR, and without it the installation is the one the
// program runs from.
void installTranslatorsIfInstalled(QCoreApplication &application)
{
    QString installation = qEnvironmentVariable("VIMBRADIR");
    if (installation.isEmpty())
        installation = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/.."));
    installTranslatorsFrom(application, {QStringLiteral("Vimbracl_")},
                           translationDirectory(QDir::toNativeSeparators(installation)));
}

int usageError(const Request &request)
{
    showError(request.error());
    print(stderr, QCoreApplication::translate("Vimbracl message", "Try \"vimbracl --help\".")
                          + QLatin1Char('\n'));
    return 1;
}

// --help, --version, --show and --set: no display, no boxes.
int runWithoutWindow(int argc, char *argv[], const ProgramInput &input, const Request &request)
{
    attachParentConsole();
    QCoreApplication application(argc, argv);
    installTranslatorsIfInstalled(application);
    ConsolePrompter consolePrompter;
    setPrompter(&consolePrompter);
    switch (request.action) {
    case Request::Action::Help:
        print(stdout, usageText());
        return 0;
    case Request::Action::Version:
        print(stdout, versionText());
        return 0;
    case Request::Action::UsageError:
        return usageError(request);
    case Request::Action::Show:
    case Request::Action::Set:
        break;
    case Request::Action::Dialog:
        return 1;
    }
    if (input.undecodable.contains(request.fileName)) {
        showError(undecodableFileNameMessage(request.fileName));
        return 1;
    }
    ignoreFileSizeSignal();
    const ScriptResult result = request.action == Request::Action::Show
            ? showSettings(request, input.workingDirectory)
            : setSettings(request, input.workingDirectory);
    print(stdout, result.output);
    return result.exitCode;
}

int runDialogProgram(int argc, char *argv[], ProgramInput input, QObject *watcher)
{
    ignoreFileSizeSignal();
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
    // What Qt left of them: its own options, such as -style, are not files.
    input.arguments = QCoreApplication::arguments().mid(1);
    return runDialog(application, input);
}

} // namespace

int startProgram(int argc, char *argv[], QObject *watcher)
{
    const ProgramInput input = programInput(argc, argv);
    const Request request = parseRequest(input.arguments);
    if (request.action == Request::Action::Dialog)
        return runDialogProgram(argc, argv, input, watcher);
    return runWithoutWindow(argc, argv, input, request);
}
