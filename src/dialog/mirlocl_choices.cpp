// Which widget stands for which part of the state, for loading and composing
// alike.
#include "dialog/mirlocl.h"

#include <QCheckBox>
#include <QLineEdit>

auto MirloCL::functionChoices() const -> RadioChoices<FunctionCoverage>
{
    return {{rbFunctions_none, FunctionCoverage::None},
            {rbFunctions_functions, FunctionCoverage::Functions},
            {rbFunctions_with_exits, FunctionCoverage::WithExits}};
}

auto MirloCL::callChoices() const -> RadioChoices<CallCoverage>
{
    return {{rbCalls_none, CallCoverage::None}, {rbCalls_calls, CallCoverage::Calls}};
}

auto MirloCL::blockChoices() const -> RadioChoices<BlockCoverage>
{
    return {{rbBlocks_none, BlockCoverage::None},
            {rbBlocks_statement_blocks, BlockCoverage::StatementBlocks},
            {rbBlocks_implicit_blocks, BlockCoverage::ImplicitBlocks},
            {rbBlocks_loops, BlockCoverage::Loops}};
}

auto MirloCL::conditionChoices() const -> RadioChoices<ConditionCoverage>
{
    return {{rbConditions_none, ConditionCoverage::None},
            {rbConditions_basic, ConditionCoverage::Basic},
            {rbConditions_modified_multiple, ConditionCoverage::ModifiedMultiple},
            {rbConditions_forced, ConditionCoverage::Forced}};
}

auto MirloCL::modeChoices() const -> RadioChoices<InstrumentationMode>
{
    return {{rbInstrumentationMode_pass, InstrumentationMode::Pass},
            {rbInstrumentationMode_count, InstrumentationMode::Count},
            {rbInstrumentationMode_compact, InstrumentationMode::Compact}};
}

auto MirloCL::dumpChoices() const -> RadioChoices<FunctionDump>
{
    return {{rbFunctionDump_none, FunctionDump::None},
            {rbFunctionDump_before_call, FunctionDump::BeforeCall},
            {rbFunctionDump_after_call, FunctionDump::AfterCall},
            {rbFunctionDump_before_return, FunctionDump::BeforeReturn}};
}

QList<QRadioButton *> MirloCL::radioButtons() const
{
    QList<QRadioButton *> radios;
    const auto add = [&radios](const auto &choices) {
        for (const auto &[button, choice] : choices)
            radios.append(button);
    };
    add(functionChoices());
    add(callChoices());
    add(blockChoices());
    add(conditionChoices());
    add(modeChoices());
    add(dumpChoices());
    return radios;
}

auto MirloCL::checkBoxFields() const -> QList<std::pair<QCheckBox *, bool OptionState::*>>
{
    return {{cbTernaryCoverage, &OptionState::noTernary},
            {cbAda83Restrictions, &OptionState::ada83},
            {cbRuntimeTrace, &OptionState::runtimeTrace},
            {cbMemoryProfiling, &OptionState::memoryProfiling},
            {cbPerformanceProfiling, &OptionState::performanceProfiling}};
}

auto MirloCL::lineEditFields() const -> QList<std::pair<QLineEdit *, QString OptionState::*>>
{
    return {{txtFunctionDump, &OptionState::dumpFunction},
            {txtLinkFile, &OptionState::linkFile},
            {txtStaticFileDirectory, &OptionState::staticFileDirectory},
            {txtOther, &OptionState::otherOptions}};
}
