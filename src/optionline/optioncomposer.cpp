#include "optionline/optioncomposer.h"

#include "optionline/optionline.h"
#include "optionline/optionparser.h"
#include "optionline/optiontable.h"

namespace {

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
    // Always one space before them, and one after any there are.
    line += QLatin1Char(' ');
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

const QString &textOf(const Option &option, const OptionState &state)
{
    return state.*std::get<QString OptionState::*>(option.part);
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
    for (const Option &option : optionTable) {
        if (!holds(option, state) && option.form != Option::Form::Rest)
            continue;
        if (option.notForAda && language == Language::Ada)
            continue;
        switch (option.form) {
        case Option::Form::Token:
        case Option::Form::ImpliedToken:
            appendSeparated(line, QString(option.token));
            break;
        case Option::Form::TokenAndText: {
            const QString &text = state.*option.argument;
            appendSeparated(line, QString(option.token + text));
            composed.dumpFunctionMissing = text.isEmpty();
            break;
        }
        case Option::Form::QuotedValue:
            appendSeparated(line, QString(option.token + quoteValue(textOf(option, state))));
            break;
        case Option::Form::Rest:
            appendOtherOptions(line, textOf(option, state));
            break;
        case Option::Form::NoOption:
        case Option::Form::Argument:
            break;
        }
    }
    return composed;
}
