#pragma once

#include <QList>
#include <QRadioButton>

#include <utility>

// A radio group and the choice each of its buttons stands for.
template <typename Choice>
void checkChoice(const QList<std::pair<QRadioButton *, Choice>> &choices, Choice choice)
{
    for (const auto &[button, value] : choices) {
        if (value == choice)
            button->setChecked(true);
    }
}

template <typename Choice>
Choice checkedChoice(const QList<std::pair<QRadioButton *, Choice>> &choices)
{
    for (const auto &[button, value] : choices) {
        if (button->isChecked())
            return value;
    }
    return choices.first().second;
}
