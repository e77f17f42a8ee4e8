#include "app/request.h"

#include "app/commandline.h"
#include "app/settings.h"
#include "messages/messages.h"

#include <QCoreApplication>

namespace {

QString commandLineError(const QString &what)
{
    return QCoreApplication::translate("Vimbracl message", "Error in Command Line : %1").arg(what);
}

QString settingNames()
{
    QStringList names;
    for (const Setting &setting : settings())
        names.append(setting.name);
    return names.join(QLatin1String(", "));
}

// The change NAME=VALUE asks for, or why it cannot be made.
std::optional<Request::Change> changeOf(const QString &argument, std::function<QString()> &error)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0) {
        error = [argument] {
            return commandLineError(QCoreApplication::translate(
                    "Vimbracl message", "\"%1\" is not a setting and its value, NAME=VALUE")
                                            .arg(argument));
        };
        return std::nullopt;
    }
    const QString name = argument.left(equals), value = argument.mid(equals + 1);
    const Setting *setting = settingNamed(name);
    if (!setting) {
        error = [name] {
            return commandLineError(QCoreApplication::translate(
                    "Vimbracl message", "there is no setting \"%1\"; the settings are: %2",
                    "%2 lists the settings' names").arg(name, settingNames()));
        };
        return std::nullopt;
    }
    OptionState probe;
    if (!setValue(*setting, value, probe)) {
        const QStringList values = valuesOf(*setting);
        error = [name, value, values] {
            if (values.isEmpty())
                return commandLineError(QCoreApplication::translate(
                        "Vimbracl message", "the setting \"%1\" cannot hold a line break").arg(name));
            return commandLineError(QCoreApplication::translate(
                    "Vimbracl message", "the setting \"%1\" cannot be \"%2\"; its values are: %3",
                    "%3 lists the setting's values").arg(name, value, values.join(QLatin1String(", "))));
        };
        return std::nullopt;
    }
    return Request::Change{setting, value};
}

// The file and the changes of --show or --set, from the arguments that are
// no options.
void takeOperands(Request &request, QStringList operands)
{
    if (operands.isEmpty() || operands.last().isEmpty()) {
        request.error = missingFileArgumentMessage;
        return;
    }
    request.fileName = operands.takeLast();
    if (request.action == Request::Action::Show && !operands.isEmpty()) {
        request.error = [extra = operands.first()] {
            return commandLineError(QCoreApplication::translate(
                    "Vimbracl message", "--show takes one file, not \"%1\" too").arg(extra));
        };
        return;
    }
    for (const QString &operand : std::as_const(operands)) {
        const std::optional<Request::Change> change = changeOf(operand, request.error);
        if (!change)
            return;
        request.changes.append(*change);
    }
    if (request.action == Request::Action::Set && request.changes.isEmpty() && !request.activation)
        request.error = [] {
            return commandLineError(QCoreApplication::translate(
                    "Vimbracl message", "--set needs NAME=VALUE, --on or --off before the file"));
        };
}

} // namespace

Request parseRequest(const QStringList &arguments)
{
    Request request;
    CommandLine switches;
    QStringList operands;
    bool help = false, version = false, show = false, set = false, optionsEnded = false;
    for (const QString &argument : arguments) {
        if (optionsEnded)
            operands.append(argument);
        else if (argument == QLatin1String("--"))
            optionsEnded = true;
        else if (argument == QLatin1String("--help"))
            help = true;
        else if (argument == QLatin1String("--version"))
            version = true;
        else if (argument == QLatin1String("--show"))
            show = true;
        else if (argument == QLatin1String("--set"))
            set = true;
        else if (argument == QLatin1String("--on") || argument == QLatin1String("--off"))
            request.activation = argument == QLatin1String("--on");
        else if (!takeSwitch(argument, switches))
            operands.append(argument);
    }
    request.language = switches.language;
    if (help || version) {
        request.action = help ? Request::Action::Help : Request::Action::Version;
        return request;
    }
    if (!show && !set)
        return request; // the dialog, which takes every other argument as its file
    if (show && (set || request.activation)) {
        request.action = Request::Action::UsageError;
        request.error = [] {
            return commandLineError(QCoreApplication::translate(
                    "Vimbracl message", "--show changes nothing: it takes no --set, --on or --off"));
        };
        return request;
    }
    request.action = show ? Request::Action::Show : Request::Action::Set;
    takeOperands(request, operands);
    if (request.error)
        request.action = Request::Action::UsageError;
    return request;
}
