#pragma once

#include "optionline/language.h"
#include "optionline/optionstate.h"

class OptionsFile;

struct StateSaved
{
    bool saved = false;               // both files were written
    bool dumpFunctionMissing = false; // a dump option was written without its function
};

// What OK and Apply do, and a script's --set: composes the line the state
// stands for, warns of a dump option without its function (the line is
// saved all the same), and saves both files.
StateSaved saveOptionState(OptionsFile &store, const OptionState &state, Language language);
