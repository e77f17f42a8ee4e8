#include "app/scripting.h"

#include "app/commandline.h"
#include "app/request.h"
#include "app/settings.h"
#include "optionline/optionparser.h"
#include "store/optionsfile.h"
#include "store/statesaving.h"

namespace {

constexpr int done = 0, notAsAsked = 1, fileFailed = 2;

QString onOrOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// The file made absolute as the dialog makes it; empty, once said why, when
// it cannot be.
QString fileNameOf(const Request &request, const QString &workingDirectory)
{
    const CommandLine commandLine = parseCommandLine({QStringLiteral("--"), request.fileName},
                                                     workingDirectory);
    return commandLine.error ? QString() : commandLine.fileName;
}

} // namespace

ScriptResult showSettings(const Request &request, const QString &workingDirectory)
{
    const QString fileName = fileNameOf(request, workingDirectory);
    if (fileName.isEmpty())
        return {notAsAsked};
    const OptionsFile store(fileName, OptionsFile::Opening::ReadOnly);
    const OptionState state = parseOptionLine(store.options());
    QString shown;
    for (const Setting &setting : settings())
        shown += setting.name + QLatin1Char('=') + valueIn(setting, state) + QLatin1Char('\n');
    shown += QStringLiteral("runtime-analysis=%1\nline=%2\n")
                     .arg(onOrOff(store.active() == 1), store.options());
    return {store.bothRead() ? done : fileFailed, shown};
}

ScriptResult setSettings(const Request &request, const QString &workingDirectory)
{
    const QString fileName = fileNameOf(request, workingDirectory);
    if (fileName.isEmpty())
        return {notAsAsked};
    OptionsFile store(fileName);
    OptionState state = parseOptionLine(store.options());
    for (const Request::Change &change : request.changes)
        setValue(*change.setting, change.value, state);
    if (request.activation)
        store.setActive(*request.activation ? 1 : 0);
    const StateSaved result = saveOptionState(store, state, request.language);
    if (!result.saved)
        return {fileFailed};
    return {result.dumpFunctionMissing ? notAsAsked : done, store.options() + QLatin1Char('\n')};
}
