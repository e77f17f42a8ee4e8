#include "app/commandline.h"

#include "messages/messages.h"

namespace {

bool isAbsolute(const QString &name, PathStyle style)
{
    if (style == PathStyle::Posix)
        return name.startsWith(QLatin1Char('/'));
    return (name.size() > 1 && name.at(1) == QLatin1Char(':'))
            || name.startsWith(QLatin1String("\\\\"));
}

QLatin1Char separator(PathStyle style)
{
    return QLatin1Char(style == PathStyle::Posix ? '/' : '\\');
}

} // namespace

QString absoluteFileName(const QString &name, const QString &workingDirectory, PathStyle style)
{
    if (isAbsolute(name, style))
        return name;
    return workingDirectory + separator(style) + name;
}

bool takeSwitch(const QString &argument, CommandLine &commandLine)
{
    if (argument == QLatin1String("-c++"))
        commandLine.language = Language::CPlusPlus;
    else if (argument == QLatin1String("-c"))
        commandLine.language = Language::C;
    else if (argument == QLatin1String("-ada"))
        commandLine.language = Language::Ada;
    else if (argument == QLatin1String("-nolink"))
        commandLine.noLink = true;
    else if (argument == QLatin1String("-nostaticdir"))
        commandLine.noStaticDir = true;
    else
        return false;
    return true;
}

CommandLine parseCommandLine(const QStringList &arguments, const QString &workingDirectory)
{
    CommandLine commandLine;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--"))
            optionsEnded = true;
        else if (optionsEnded || !takeSwitch(argument, commandLine))
            commandLine.fileName = argument;
    }
    if (commandLine.fileName.isEmpty()) {
        showError(missingFileArgumentMessage());
        commandLine.error = true;
        return commandLine;
    }
    if (workingDirectory.isEmpty() && !isAbsolute(commandLine.fileName, nativePathStyle)) {
        showError(noWorkingDirectoryMessage(commandLine.fileName));
        commandLine.error = true;
        return commandLine;
    }
    commandLine.fileName = absoluteFileName(commandLine.fileName, workingDirectory);
    return commandLine;
}
