#pragma once

#include "optionline/language.h"

#include <QString>
#include <QStringList>

struct CommandLine
{
    Language language = Language::C;
    QString fileName;
    bool noLink = false;
    bool noStaticDir = false;
    bool error = false; // no usable file was named; the error box has been shown
};

enum class PathStyle { Posix, Windows };

#ifdef Q_OS_WIN
inline constexpr PathStyle nativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle nativePathStyle = PathStyle::Posix;
#endif

// Turns a relative file name into workingDirectory, one separator and the
// name. Posix names are absolute when they start with "/"; Windows names
// when they start with a drive letter and a colon or are network paths.
QString absoluteFileName(const QString &name, const QString &workingDirectory,
                         PathStyle style = nativePathStyle);

// Applies the argument to `commandLine` when it is one of the tool chain's
// switches (-c, -c++, -ada, -nolink, -nostaticdir); false for any other.
bool takeSwitch(const QString &argument, CommandLine &commandLine);

// `arguments` are the program's arguments after its name. The last file name
// and the last language switch win; after "--" every argument is a name. Without a file name, or with a relative
// one and no working directory, the error box is shown and `error` is set.
CommandLine parseCommandLine(const QStringList &arguments, const QString &workingDirectory);
