#include "optionline/optionstate.h"

#include "optionline/optiontable.h"

#include <QDebug>

QDebug operator<<(QDebug debug, const OptionState &state)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "OptionState(";
    for (const Option &option : optionTable) {
        if (!holds(option, state))
            continue;
        debug << ' ' << QLatin1StringView(option.name.data(), qsizetype(option.name.size()));
        if (const auto *text = std::get_if<QString OptionState::*>(&option.part))
            debug << '=' << state.**text;
    }
    debug << " )";
    return debug;
}
