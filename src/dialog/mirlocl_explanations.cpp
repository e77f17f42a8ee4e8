// What each option does and what it writes, for Shift+F1, the title bar's
// help button and screen readers. The options are quoted from the
// vocabulary, so a description never names another token than the one the
// line gets.
#include "dialog/mirlocl.h"

#include "optionline/vocabulary.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

QString writes(QLatin1StringView token)
{
    return MirloCL::tr("Writes %1.").arg(token);
}

QString writesWithName(QLatin1StringView prefix)
{
    return MirloCL::tr("Writes %1 followed by the function name.").arg(prefix);
}

void explain(QAbstractButton *control, const QString &what, const QString &written)
{
    const QString text = what + u' ' + written;
    control->setWhatsThis(text);
    control->setAccessibleDescription(text);
}

template <typename Choice, std::size_t N>
QString writesChoice(const ChoiceToken<Choice> (&table)[N], Choice choice)
{
    return writes(tokenOf(table, choice));
}

} // namespace

void MirloCL::setExplanations()
{
    setWindowFlag(Qt::WindowContextHelpButtonHint);

    explain(rbFunctions_none, tr("No function coverage."),
            writesChoice(functionTokens, FunctionCoverage::None));
    explain(rbFunctions_functions, tr("Function coverage of the functions' entries."),
            writesChoice(functionTokens, FunctionCoverage::Functions));
    explain(rbFunctions_with_exits, tr("Function coverage of the functions' entries and exits."),
            writesChoice(functionTokens, FunctionCoverage::WithExits));

    explain(rbCalls_none, tr("No call coverage."), writesChoice(callTokens, CallCoverage::None));
    explain(rbCalls_calls, tr("Call coverage, in C and Ada."),
            writesChoice(callTokens, CallCoverage::Calls));

    explain(rbBlocks_none, tr("No block coverage."), writesChoice(blockTokens, BlockCoverage::None));
    explain(rbBlocks_statement_blocks, tr("Block coverage of statement blocks."),
            writesChoice(blockTokens, BlockCoverage::StatementBlocks));
    explain(rbBlocks_implicit_blocks, tr("Block coverage of implicit blocks."),
            writesChoice(blockTokens, BlockCoverage::ImplicitBlocks));
    explain(rbBlocks_loops, tr("Block coverage of loops."),
            writesChoice(blockTokens, BlockCoverage::Loops));

    explain(rbConditions_none, tr("No condition coverage."),
            writesChoice(conditionTokens, ConditionCoverage::None));
    explain(rbConditions_basic, tr("Condition coverage of basic conditions."),
            writesChoice(conditionTokens, ConditionCoverage::Basic));
    explain(rbConditions_modified_multiple,
            tr("Condition coverage of modified and multiple conditions."),
            writesChoice(conditionTokens, ConditionCoverage::ModifiedMultiple));
    explain(rbConditions_forced, tr("Condition coverage with forced evaluation."),
            writesChoice(conditionTokens, ConditionCoverage::Forced));

    explain(rbInstrumentationMode_pass, tr("Instrumentation in pass mode, for C and C++."),
            tr("Writes no option: a line without %1 and %2 is in pass mode.")
                    .arg(Token::count, Token::compact));
    explain(rbInstrumentationMode_count, tr("Instrumentation in count mode, for C and C++."),
            writesChoice(modeTokens, InstrumentationMode::Count));
    explain(rbInstrumentationMode_compact, tr("Instrumentation in compact mode, for C and C++."),
            writesChoice(modeTokens, InstrumentationMode::Compact));

    explain(rbFunctionDump_none, tr("No function specific dump."), tr("Writes no dump option."));
    explain(rbFunctionDump_before_call,
            tr("A dump before each call of the function named below, in C only."),
            writesWithName(tokenOf(dumpPrefixes, FunctionDump::BeforeCall)));
    explain(rbFunctionDump_after_call, tr("A dump after each call of the function named below."),
            writesWithName(tokenOf(dumpPrefixes, FunctionDump::AfterCall)));
    explain(rbFunctionDump_before_return,
            tr("A dump before the function named below returns."),
            writesWithName(tokenOf(dumpPrefixes, FunctionDump::BeforeReturn)));

    explain(cbRuntimeTrace, tr("Activates the runtime trace, for C and C++."), writes(Token::trace));
    explain(cbMemoryProfiling, tr("Activates memory profiling, for C and C++."),
            writes(Token::memoryProfiling));
    explain(cbPerformanceProfiling, tr("Activates performance profiling, for C and C++."),
            writes(Token::performanceProfiling));
    explain(cbAda83Restrictions, tr("Applies the Ada 83 restrictions, for Ada."),
            writes(Token::ada83));
    explain(cbTernaryCoverage, tr("Leaves ternary expressions out of the coverage, for C and C++."),
            writes(Token::noTernary));
}
