#pragma once

#include "optionline/optionstate.h"

#include <QMetaType>

#include <functional>

Q_DECLARE_METATYPE(OptionState)

// A state that differs from the defaults only where `change` says.
inline OptionState stateWith(const std::function<void(OptionState &)> &change)
{
    OptionState state;
    change(state);
    return state;
}

// The state the default line "-proc -block=decision -nocall -nocond" shows.
inline OptionState defaultLineState()
{
    return stateWith([](OptionState &s) {
        s.functions = FunctionCoverage::Functions;
        s.blocks = BlockCoverage::ImplicitBlocks;
    });
}
