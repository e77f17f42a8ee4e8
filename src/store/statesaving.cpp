#include "store/statesaving.h"

#include "messages/messages.h"
#include "optionline/optioncomposer.h"
#include "store/optionsfile.h"

StateSaved saveOptionState(OptionsFile &store, const OptionState &state, Language language)
{
    const ComposedLine composed = composeOptionLine(state, language);
    if (composed.dumpFunctionMissing)
        showWarning(missingDumpFunctionMessage());
    store.setOptions(composed.line);
    return {store.save(), composed.dumpFunctionMissing};
}
