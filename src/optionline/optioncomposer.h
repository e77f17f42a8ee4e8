#pragma once

#include "optionline/language.h"
#include "optionline/optionstate.h"

struct ComposedLine
{
    QString line;
    // A dump option was written without its function name.
    bool dumpFunctionMissing = false;
};

// Builds the option line from scratch in the instrumentor's fixed order. The
// line ends with a space and, in pass mode, holds "-pass"; saving removes both.
ComposedLine composeOptionLine(const OptionState &state, Language language);

// Wraps a link or directory text in double quotes, adding only the quotes it
// does not already have at either end.
QString quoteValue(const QString &text);
