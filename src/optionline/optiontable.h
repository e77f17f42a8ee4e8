#pragma once

#include "optionline/optionstate.h"

#include <QLatin1StringView>
#include <QtGlobal>

#include <string_view>
#include <variant>

// One option of the line: the part of the state it stands for, the token it
// is read from and written as, its form, and what it selects in words. The
// parser, the composer and the dialog's explanations all follow the table.
struct Option
{
    // One value of an exclusive choice of the state.
    struct Choice
    {
        bool (*isIn)(const OptionState &state) = nullptr;
        void (*setIn)(OptionState &state) = nullptr;
        std::string_view setting = {}; // the choice's name (choiceName)
    };
    using Part = std::variant<Choice, bool OptionState::*, QString OptionState::*>;

    enum class Form {
        Token,        // the token, when the state holds the option
        ImpliedToken, // pass mode: written, then dropped when the line is stored
        TokenAndText, // the prefix, then the text of `argument`, unquoted
        QuotedValue,  // the prefix and the text in double quotes, when there is text
        NoOption,     // a choice that writes nothing
        Argument,     // the text another option writes after its prefix
        Rest,         // the other options, at the end of the line
    };

    std::string_view name = {};
    Part part;
    Form form = Form::Token;
    QLatin1StringView token = {};   // or the prefix of a value or a text
    QLatin1StringView synonym = {}; // read as the token, never written
    QString OptionState::*argument = nullptr; // for TokenAndText
    bool notForAda = false;
    const char *explanation = nullptr; // in the dialog's translation context
};

// The name of each exclusive choice of the state, as the command line
// names it; its values are named by their rows.
template <auto field>
inline constexpr std::string_view choiceName = {};
template <> inline constexpr std::string_view choiceName<&OptionState::functions> = "functions";
template <> inline constexpr std::string_view choiceName<&OptionState::calls> = "calls";
template <> inline constexpr std::string_view choiceName<&OptionState::blocks> = "blocks";
template <> inline constexpr std::string_view choiceName<&OptionState::conditions> = "conditions";
template <> inline constexpr std::string_view choiceName<&OptionState::mode> = "mode";
template <> inline constexpr std::string_view choiceName<&OptionState::dump> = "dump";

template <auto field, auto value>
constexpr Option::Choice choice()
{
    static_assert(!choiceName<field>.empty(), "an exclusive choice needs a name");
    return {[](const OptionState &state) { return state.*field == value; },
            [](OptionState &state) { state.*field = value; }, choiceName<field>};
}

// The options in the order the line is written; the other options last.
// Adding an option: a row here, its field in OptionState (a new exclusive
// choice: its choiceName too), its control in the dialog's table, and the
// translations.
inline constexpr Option optionTable[] = {
    {.name = "noFunctions", .part = choice<&OptionState::functions, FunctionCoverage::None>(),
     .token = QLatin1StringView("-noproc"), .explanation = QT_TRANSLATE_NOOP("MirloCL", "No function coverage.")},
    {.name = "functions", .part = choice<&OptionState::functions, FunctionCoverage::Functions>(),
     .token = QLatin1StringView("-proc"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Function coverage of the functions' entries.")},
    {.name = "functionsWithExits", .part = choice<&OptionState::functions, FunctionCoverage::WithExits>(),
     .token = QLatin1StringView("-proc=ret"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Function coverage of the functions' entries and exits.")},
    {.name = "calls", .part = choice<&OptionState::calls, CallCoverage::Calls>(),
     .token = QLatin1StringView("-call"), .explanation = QT_TRANSLATE_NOOP("MirloCL", "Call coverage, in C and Ada.")},
    {.name = "noCalls", .part = choice<&OptionState::calls, CallCoverage::None>(),
     .token = QLatin1StringView("-nocall"), .explanation = QT_TRANSLATE_NOOP("MirloCL", "No call coverage.")},
    {.name = "statementBlocks", .part = choice<&OptionState::blocks, BlockCoverage::StatementBlocks>(),
     .token = QLatin1StringView("-block"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Block coverage of statement blocks.")},
    {.name = "loops", .part = choice<&OptionState::blocks, BlockCoverage::Loops>(),
     .token = QLatin1StringView("-block=logical"), .explanation = QT_TRANSLATE_NOOP("MirloCL", "Block coverage of loops.")},
    {.name = "implicitBlocks", .part = choice<&OptionState::blocks, BlockCoverage::ImplicitBlocks>(),
     .token = QLatin1StringView("-block=decision"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Block coverage of implicit blocks.")},
    {.name = "noBlocks", .part = choice<&OptionState::blocks, BlockCoverage::None>(),
     .token = QLatin1StringView("-noblock"), .explanation = QT_TRANSLATE_NOOP("MirloCL", "No block coverage.")},
    {.name = "noConditions", .part = choice<&OptionState::conditions, ConditionCoverage::None>(),
     .token = QLatin1StringView("-nocond"), .explanation = QT_TRANSLATE_NOOP("MirloCL", "No condition coverage.")},
    {.name = "basicConditions", .part = choice<&OptionState::conditions, ConditionCoverage::Basic>(),
     .token = QLatin1StringView("-cond"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Condition coverage of basic conditions.")},
    {.name = "modifiedConditions", .part = choice<&OptionState::conditions, ConditionCoverage::ModifiedMultiple>(),
     .token = QLatin1StringView("-cond=modified"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Condition coverage of modified and multiple conditions.")},
    {.name = "forcedConditions", .part = choice<&OptionState::conditions, ConditionCoverage::Forced>(),
     .token = QLatin1StringView("-cond=forceevaluation"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Condition coverage with forced evaluation.")},
    {.name = "noTernary", .part = &OptionState::noTernary, .token = QLatin1StringView("-noternary"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Leaves ternary expressions out of the coverage, for C and C++.")},
    {.name = "pass", .part = choice<&OptionState::mode, InstrumentationMode::Pass>(), .form = Option::Form::ImpliedToken,
     .token = QLatin1StringView("-pass"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Instrumentation in pass mode, for C and C++.")},
    {.name = "count", .part = choice<&OptionState::mode, InstrumentationMode::Count>(),
     .token = QLatin1StringView("-count"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Instrumentation in count mode, for C and C++.")},
    {.name = "compact", .part = choice<&OptionState::mode, InstrumentationMode::Compact>(),
     .token = QLatin1StringView("-compact"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Instrumentation in compact mode, for C and C++.")},
    {.name = "noDump", .part = choice<&OptionState::dump, FunctionDump::None>(), .form = Option::Form::NoOption,
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "No function specific dump.")},
    {.name = "dumpAfterCall", .part = choice<&OptionState::dump, FunctionDump::AfterCall>(),
     .form = Option::Form::TokenAndText, .token = QLatin1StringView("-dumpcalling="),
     .argument = &OptionState::dumpFunction,
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "A dump after each call of the function named below.")},
    {.name = "dumpBeforeReturn", .part = choice<&OptionState::dump, FunctionDump::BeforeReturn>(),
     .form = Option::Form::TokenAndText, .token = QLatin1StringView("-dumpreturning="),
     .argument = &OptionState::dumpFunction,
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "A dump before the function named below returns.")},
    {.name = "dumpBeforeCall", .part = choice<&OptionState::dump, FunctionDump::BeforeCall>(),
     .form = Option::Form::TokenAndText, .token = QLatin1StringView("-dumpincoming="),
     .argument = &OptionState::dumpFunction,
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "A dump before each call of the function named below, in C only.")},
    {.name = "dumpFunction", .part = &OptionState::dumpFunction, .form = Option::Form::Argument},
    {.name = "ada83", .part = &OptionState::ada83, .token = QLatin1StringView("-ada83"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Applies the Ada 83 restrictions, for Ada.")},
    {.name = "linkFile", .part = &OptionState::linkFile, .form = Option::Form::QuotedValue,
     .token = QLatin1StringView("-link=")},
    {.name = "staticFileDirectory", .part = &OptionState::staticFileDirectory, .form = Option::Form::QuotedValue,
     .token = QLatin1StringView("-fdcdir=")},
    // The same directory once more, for the C and C++ instrumentors.
    {.name = "secondStaticFileDirectory", .part = &OptionState::staticFileDirectory,
     .form = Option::Form::QuotedValue, .token = QLatin1StringView("-tsfdir="), .notForAda = true},
    {.name = "runtimeTrace", .part = &OptionState::runtimeTrace, .token = QLatin1StringView("-trace"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Activates the runtime trace, for C and C++.")},
    {.name = "memoryProfiling", .part = &OptionState::memoryProfiling, .token = QLatin1StringView("-mempro"),
     .synonym = QLatin1StringView("-sylmor"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Activates memory profiling, for C and C++.")},
    {.name = "performanceProfiling", .part = &OptionState::performanceProfiling,
     .token = QLatin1StringView("-perfpro"), .synonym = QLatin1StringView("-dravenko"),
     .explanation = QT_TRANSLATE_NOOP("MirloCL", "Activates performance profiling, for C and C++.")},
    {.name = "otherOptions", .part = &OptionState::otherOptions, .form = Option::Form::Rest},
};

// The option of that name; a name that is not in the table does not compile.
consteval const Option *optionNamed(std::string_view name)
{
    for (const Option &option : optionTable) {
        if (option.name == name)
            return &option;
    }
    throw "no option of that name";
}

// Whether the state holds the option: its choice, its flag, or some text.
bool holds(const Option &option, const OptionState &state);

// The line used when the options file is missing or empty.
QString defaultOptionLine();
