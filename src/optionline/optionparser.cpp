#include "optionline/optionparser.h"

#include "optionline/optionline.h"
#include "optionline/vocabulary.h"

namespace {

template <typename Choice, std::size_t N>
bool applyChoice(const ChoiceToken<Choice> (&table)[N], QStringView token, Choice &field)
{
    const std::optional<Choice> choice = choiceOf(table, token);
    if (choice)
        field = *choice;
    return choice.has_value();
}

bool applyFlag(QStringView token, OptionState &state)
{
    for (const FlagToken &entry : flagTokens) {
        if (token == entry.token) {
            state.*entry.flag = true;
            return true;
        }
    }
    return false;
}

bool applyExactToken(QStringView token, OptionState &state)
{
    return applyChoice(functionTokens, token, state.functions)
            || applyChoice(callTokens, token, state.calls)
            || applyChoice(blockTokens, token, state.blocks)
            || applyChoice(conditionTokens, token, state.conditions)
            || applyChoice(modeTokens, token, state.mode) || applyFlag(token, state);
}

bool applyDump(QStringView token, OptionState &state)
{
    for (const auto &entry : dumpPrefixes) {
        if (token.startsWith(entry.token)) {
            state.dump = entry.choice;
            state.dumpFunction = token.mid(entry.token.size()).toString();
            return true;
        }
    }
    return false;
}

} // namespace

OptionState parseOptionLine(const QString &line)
{
    OptionState state;
    const QList<QStringView> tokens = splitTokens(line);
    for (qsizetype i = 0; i < tokens.size();) {
        const QStringView token = tokens.at(i);
        if (const qsizetype prefixLength = valuePrefixLength(token)) {
            ValueSpan span = readValue(tokens, i, prefixLength);
            QString &field = token.startsWith(Token::link) ? state.linkFile
                                                           : state.staticFileDirectory;
            field = std::move(span.value);
            i = span.end;
        } else {
            if (!applyExactToken(token, state) && !applyDump(token, state))
                appendSeparated(state.otherOptions, token);
            ++i;
        }
    }
    return state;
}

bool isOptionToken(QStringView token)
{
    OptionState scratch;
    return valuePrefixLength(token) > 0 || applyExactToken(token, scratch)
            || applyDump(token, scratch);
}
