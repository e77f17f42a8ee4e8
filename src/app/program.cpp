#include "app/program.h"

#include "app/commandline.h"
#include "dialog/mirlocl.h"
#include "i18n/i18nutil.h"
#include "messages/messages.h"
#include "store/optionsfile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#endif

namespace {

#ifdef Q_OS_WIN
// argv holds the command line narrowed to the code page, which loses what
// the page lacks.
QStringList windowsArguments()
{
    int count = 0;
    LPWSTR *arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList result;
    for (int i = 1; arguments && i < count; ++i)
        result.append(QString::fromWCharArray(arguments[i]));
    LocalFree(arguments);
    return result;
}
#endif

} // namespace

ProgramInput programInput([[maybe_unused]] int argc, [[maybe_unused]] char *argv[])
{
    ProgramInput input;
#ifdef Q_OS_WIN
    input.arguments = windowsArguments();
#else
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        input.arguments.append(QFile::decodeName(bytes));
        // Decoded with replacement characters, it would name another file.
        if (QFile::encodeName(input.arguments.last()) != bytes)
            input.undecodable.append(input.arguments.last());
    }
#endif
    // A directory that is gone, or whose name does not decode, must not turn
    // a relative name into some other file.
    const QString current = QDir::currentPath();
    if (QFileInfo(current).isDir())
        input.workingDirectory = QDir::toNativeSeparators(current);
    return input;
}

int runDialog(QApplication &application, const ProgramInput &input)
{
    if (!installTranslators(application, {QStringLiteral("Vimbracl_")}))
        return -1;
    if (!input.undecodable.isEmpty()) {
        showError(undecodableFileNameMessage(input.undecodable.constFirst()));
        return -1;
    }
    const CommandLine commandLine = parseCommandLine(input.arguments, input.workingDirectory);
    if (commandLine.error)
        return -1;

    OptionsFile store(commandLine.fileName);
    MirloCL dialog(store, commandLine.language);
    dialog.show();
    return QApplication::exec();
}
