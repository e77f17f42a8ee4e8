#include "optionline/optioncomposer.h"

#include "optionline/optionparser.h"
#include "optionline/vocabulary.h"

namespace {

template <typename Text>
void appendToken(QString &line, const Text &token)
{
    line += QLatin1Char(' ');
    line += token;
}

void appendFlag(QString &line, bool on, QLatin1StringView token)
{
    if (on)
        appendToken(line, token);
}

void appendQuotedValue(QString &line, QLatin1StringView prefix, const QString &text)
{
    if (!text.isEmpty())
        appendToken(line, QString(prefix + quoteValue(text)));
}

qsizetype leadingQuotes(const QString &text)
{
    qsizetype count = 0;
    while (count < text.size() && text.at(count) == QLatin1Char('"'))
        ++count;
    return count;
}

qsizetype trailingQuotes(const QString &text)
{
    qsizetype count = 0;
    while (count < text.size() && text.at(text.size() - 1 - count) == QLatin1Char('"'))
        ++count;
    return count;
}

void appendOtherOptions(QString &line, const QString &otherOptions)
{
    if (otherOptions.isEmpty())
        return;
    // The first option typed without its dash gains one, unless the dash
    // would turn it into one of the dialog's own options.
    const QString dashed = QLatin1Char('-') + otherOptions.section(QLatin1Char(' '), 0, 0);
    if (!otherOptions.startsWith(QLatin1Char('-')) && !isOptionToken(dashed))
        line += QLatin1Char('-');
    line += otherOptions;
    line += QLatin1Char(' ');
}

} // namespace

QString quoteValue(const QString &text)
{
    const QLatin1Char quote('"');
    // A lone quote would read back as an unclosed value that swallows the
    // rest of the line; three quotes read back as the one.
    if (text == QString(quote))
        return QStringLiteral("\"\"\"");
    // A single quote at an end is the quote the user typed around the value.
    // Two or more belong to the value: they stay inside a new pair, so that
    // a save does not lose one of them each time.
    const qsizetype begin = leadingQuotes(text) == 1 ? 1 : 0;
    const qsizetype end = trailingQuotes(text) == 1 ? text.size() - 1 : text.size();
    QString quoted;
    quoted.reserve(end - begin + 2);
    quoted += quote;
    quoted += QStringView(text).mid(begin, end - begin);
    quoted += quote;
    return quoted;
}

ComposedLine composeOptionLine(const OptionState &state, Language language)
{
    ComposedLine composed;
    QString &line = composed.line;
    line = tokenOf(functionTokens, state.functions);
    appendToken(line, tokenOf(callTokens, state.calls));
    appendToken(line, tokenOf(blockTokens, state.blocks));
    appendToken(line, tokenOf(conditionTokens, state.conditions));
    appendFlag(line, state.noTernary, Token::noTernary);
    appendToken(line, tokenOf(modeTokens, state.mode));
    if (state.dump != FunctionDump::None) {
        appendToken(line, QString(tokenOf(dumpPrefixes, state.dump) + state.dumpFunction));
        composed.dumpFunctionMissing = state.dumpFunction.isEmpty();
    }
    appendFlag(line, state.ada83, Token::ada83);
    appendQuotedValue(line, Token::link, state.linkFile);
    appendQuotedValue(line, Token::staticDirectory, state.staticFileDirectory);
    if (language != Language::Ada)
        appendQuotedValue(line, Token::secondStaticDirectory, state.staticFileDirectory);
    appendFlag(line, state.runtimeTrace, Token::trace);
    appendFlag(line, state.memoryProfiling, Token::memoryProfiling);
    appendFlag(line, state.performanceProfiling, Token::performanceProfiling);
    line += QLatin1Char(' ');
    appendOtherOptions(line, state.otherOptions);
    return composed;
}
