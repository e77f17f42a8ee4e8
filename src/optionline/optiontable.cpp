#include "optionline/optiontable.h"

bool holds(const Option &option, const OptionState &state)
{
    if (const auto *choice = std::get_if<Option::Choice>(&option.part))
        return choice->isIn(state);
    if (const auto *flag = std::get_if<bool OptionState::*>(&option.part))
        return state.**flag;
    return !(state.*std::get<QString OptionState::*>(option.part)).isEmpty();
}

QString defaultOptionLine()
{
    return QStringLiteral("-proc -block=decision -nocall -nocond");
}
