#pragma once

#include "optionline/language.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct Setting;

// What the program was asked to do, from its arguments alone.
struct Request
{
    enum class Action {
        Dialog,     // the dialog, which reads its own arguments (commandline.h)
        Help,       // print the usage
        Version,    // print the version
        Show,       // print the settings of a project
        Set,        // change settings of a project and save them
        UsageError, // print `error` and stop
    };
    struct Change
    {
        const Setting *setting;
        QString value;
    };

    Action action = Action::Dialog;
    Language language = Language::C;
    QString fileName;               // as given
    QList<Change> changes;          // Set
    std::optional<bool> activation; // Set: --on or --off
    std::function<QString()> error; // UsageError: said in the user's language
};

// `arguments` are the program's arguments after its name. --help, --version,
// --show and --set are looked for before a "--", which ends the options: a
// file named --set is given as `-- --set`. For --show and --set the last
// argument that is no option is the file, and for --set the ones before it
// are NAME=VALUE; every name and value is checked here.
Request parseRequest(const QStringList &arguments);
