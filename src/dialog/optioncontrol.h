#pragma once

#include "dialog/mirlocl.h"

#include <QLatin1StringView>
#include <QRect>

#include <variant>

class QGroupBox;

// A text to translate in the dialog's context, with the comment that tells
// equal texts apart.
struct DialogText
{
    const char *source = nullptr;
    const char *comment = nullptr;
};

// Everything the dialog knows of one control that stands for an option:
// the table in mirlocl_options.cpp holds one row for each, and creation,
// greying, loading, composing, explanations, the tab chain and the access
// keys all follow it.
struct MirloCL::OptionControl
{
    using Widget = std::variant<QRadioButton *MirloCL::*, QCheckBox *MirloCL::*,
                                QLineEdit *MirloCL::*, QPushButton *MirloCL::*, QLabel *MirloCL::*>;
    // A radio button's value: whether the state holds it, and setting it.
    struct Choice
    {
        bool (*isIn)(const OptionState &state) = nullptr;
        void (*setIn)(OptionState &state) = nullptr;
    };
    using Part = std::variant<std::monostate, Choice, bool OptionState::*, QString OptionState::*>;
    // What the explanation says the control writes into the line.
    enum class Writes { Nothing, Token, TokenAndFunctionName, NoDumpOption, PassMode };

    Widget widget;
    const char *objectName = nullptr;
    QGroupBox *MirloCL::*group = nullptr;
    QRect geometry; // at the usual text size
    DialogText text;
    Part part; // the part of the state it shows
    DialogText explanation; // what it selects
    Writes writes = Writes::Nothing;
    QLatin1StringView token; // from the vocabulary
    int tabPlace = 0; // 0: out of the tab chain
    int keyRank = 0;  // the lower, the sooner it gets its pick of letters; 0: none
    Qt::FocusPolicy focus = Qt::StrongFocus;
    bool textIsToolTip = false;
    bool greyedWhenOff = true; // follows the activation toggle
};

template <auto field, auto value>
constexpr MirloCL::OptionControl::Choice choice()
{
    return {[](const OptionState &state) { return state.*field == value; },
            [](OptionState &state) { state.*field = value; }};
}
