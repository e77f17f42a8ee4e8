#pragma once

#include "optionline/optionstate.h"

#include <QLatin1StringView>

#include <optional>

// The instrumentor's option tokens. Each table serves reading and writing:
// the parser looks a token up, the composer looks a choice's token up.
namespace Token {
inline constexpr QLatin1StringView noTernary{"-noternary"};
inline constexpr QLatin1StringView pass{"-pass"};
inline constexpr QLatin1StringView count{"-count"};
inline constexpr QLatin1StringView compact{"-compact"};
inline constexpr QLatin1StringView ada83{"-ada83"};
inline constexpr QLatin1StringView trace{"-trace"};
inline constexpr QLatin1StringView memoryProfiling{"-mempro"};
inline constexpr QLatin1StringView memoryProfilingSynonym{"-sylmor"};
inline constexpr QLatin1StringView performanceProfiling{"-perfpro"};
inline constexpr QLatin1StringView performanceProfilingSynonym{"-dravenko"};
inline constexpr QLatin1StringView link{"-link="};
inline constexpr QLatin1StringView staticDirectory{"-fdcdir="};
inline constexpr QLatin1StringView secondStaticDirectory{"-tsfdir="};
} // namespace Token

template <typename Choice>
struct ChoiceToken
{
    Choice choice;
    QLatin1StringView token;
};

inline constexpr ChoiceToken<FunctionCoverage> functionTokens[] = {
    {FunctionCoverage::None, QLatin1StringView("-noproc")},
    {FunctionCoverage::WithExits, QLatin1StringView("-proc=ret")},
    {FunctionCoverage::Functions, QLatin1StringView("-proc")},
};
inline constexpr ChoiceToken<CallCoverage> callTokens[] = {
    {CallCoverage::Calls, QLatin1StringView("-call")},
    {CallCoverage::None, QLatin1StringView("-nocall")},
};
inline constexpr ChoiceToken<BlockCoverage> blockTokens[] = {
    {BlockCoverage::Loops, QLatin1StringView("-block=logical")},
    {BlockCoverage::ImplicitBlocks, QLatin1StringView("-block=decision")},
    {BlockCoverage::StatementBlocks, QLatin1StringView("-block")},
    {BlockCoverage::None, QLatin1StringView("-noblock")},
};
inline constexpr ChoiceToken<ConditionCoverage> conditionTokens[] = {
    {ConditionCoverage::Basic, QLatin1StringView("-cond")},
    {ConditionCoverage::ModifiedMultiple, QLatin1StringView("-cond=modified")},
    {ConditionCoverage::Forced, QLatin1StringView("-cond=forceevaluation")},
    {ConditionCoverage::None, QLatin1StringView("-nocond")},
};
inline constexpr ChoiceToken<InstrumentationMode> modeTokens[] = {
    {InstrumentationMode::Pass, Token::pass},
    {InstrumentationMode::Count, Token::count},
    {InstrumentationMode::Compact, Token::compact},
};
// Dump tokens are prefixes: the function name follows the "=" directly.
inline constexpr ChoiceToken<FunctionDump> dumpPrefixes[] = {
    {FunctionDump::BeforeReturn, QLatin1StringView("-dumpreturning=")},
    {FunctionDump::AfterCall, QLatin1StringView("-dumpcalling=")},
    {FunctionDump::BeforeCall, QLatin1StringView("-dumpincoming=")},
};

struct FlagToken
{
    bool OptionState::*flag;
    QLatin1StringView token;
};

// The synonyms are read but never written.
inline constexpr FlagToken flagTokens[] = {
    {&OptionState::noTernary, Token::noTernary},
    {&OptionState::runtimeTrace, Token::trace},
    {&OptionState::memoryProfiling, Token::memoryProfilingSynonym},
    {&OptionState::memoryProfiling, Token::memoryProfiling},
    {&OptionState::performanceProfiling, Token::performanceProfilingSynonym},
    {&OptionState::performanceProfiling, Token::performanceProfiling},
    {&OptionState::ada83, Token::ada83},
};

template <typename Choice, std::size_t N>
constexpr QLatin1StringView tokenOf(const ChoiceToken<Choice> (&table)[N], Choice choice)
{
    for (const auto &entry : table) {
        if (entry.choice == choice)
            return entry.token;
    }
    return {};
}

template <typename Choice, std::size_t N>
std::optional<Choice> choiceOf(const ChoiceToken<Choice> (&table)[N], QStringView token)
{
    for (const auto &entry : table) {
        if (token == entry.token)
            return entry.choice;
    }
    return std::nullopt;
}

// The line used when the options file is missing or empty.
QString defaultOptionLine();
