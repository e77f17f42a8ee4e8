#include "optionline/optionparser.h"

#include "optionline/optionline.h"
#include "optionline/optiontable.h"

namespace {

bool reads(const Option &option, QStringView token)
{
    switch (option.form) {
    case Option::Form::Token:
    case Option::Form::ImpliedToken:
        return token == option.token || (!option.synonym.isEmpty() && token == option.synonym);
    case Option::Form::TokenAndText:
    case Option::Form::QuotedValue:
        return token.startsWith(option.token);
    case Option::Form::NoOption:
    case Option::Form::Argument:
    case Option::Form::Rest:
        break;
    }
    return false;
}

// The option a token stands for, if any.
const Option *optionOf(QStringView token)
{
    for (const Option &option : optionTable) {
        if (reads(option, token))
            return &option;
    }
    return nullptr;
}

void setIn(OptionState &state, const Option &option)
{
    if (const auto *choice = std::get_if<Option::Choice>(&option.part))
        choice->setIn(state);
    else if (const auto *flag = std::get_if<bool OptionState::*>(&option.part))
        state.**flag = true;
}

} // namespace

OptionState parseOptionLine(const QString &line)
{
    OptionState state;
    const QList<QStringView> tokens = splitTokens(line);
    for (qsizetype i = 0; i < tokens.size();) {
        const QStringView token = tokens.at(i);
        const Option *option = optionOf(token);
        if (!option) {
            appendSeparated(state.otherOptions, token);
            ++i;
        } else if (option->form == Option::Form::QuotedValue) {
            ValueSpan span = readValue(tokens, i, option->token.size());
            state.*std::get<QString OptionState::*>(option->part) = std::move(span.value);
            i = span.end;
        } else {
            setIn(state, *option);
            if (option->argument)
                state.*option->argument = token.mid(option->token.size()).toString();
            ++i;
        }
    }
    return state;
}

bool isOptionToken(QStringView token)
{
    return optionOf(token) != nullptr;
}
