#include "options/optionparser.h"

#include "options/optionline.h"
#include "options/vocabulary.h"

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

// A value that begins with a double quote runs up to the first token that
// ends with one; the quotes are not part of it. `next` moves past every
// token the value took in. A value that is never closed keeps all it took.
QString readValue(const QStringList &tokens, qsizetype &next, qsizetype prefixLength)
{
    const QString &token = tokens.at(next++);
    if (token.size() <= prefixLength || token.at(prefixLength) != QLatin1Char('"'))
        return token.mid(prefixLength);
    QString value = token.mid(prefixLength + 1);
    while (next < tokens.size() && !value.endsWith(QLatin1Char('"'))) {
        value += QLatin1Char(' ');
        value += tokens.at(next++);
    }
    if (value.endsWith(QLatin1Char('"')))
        value.chop(1);
    return value;
}

} // namespace

OptionState parseOptionLine(const QString &line)
{
    OptionState state;
    QStringList otherOptions;
    const QStringList tokens = splitTokens(line);
    for (qsizetype i = 0; i < tokens.size();) {
        const QString &token = tokens.at(i);
        if (token.startsWith(Token::staticDirectory)) {
            state.staticFileDirectory = readValue(tokens, i, Token::staticDirectory.size());
        } else if (token.startsWith(Token::secondStaticDirectory)) {
            state.staticFileDirectory = readValue(tokens, i, Token::secondStaticDirectory.size());
        } else if (token.startsWith(Token::link)) {
            state.linkFile = readValue(tokens, i, Token::link.size());
        } else {
            if (!applyExactToken(token, state) && !applyDump(token, state))
                otherOptions.append(token);
            ++i;
        }
    }
    state.otherOptions = otherOptions.join(QLatin1Char(' '));
    return state;
}
