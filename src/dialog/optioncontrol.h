#pragma once

#include "dialog/mirlocl.h"
#include "optionline/optiontable.h"

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
// the table in mirlocl_options.cpp holds one row for each, in the tab
// order, and creation, greying, loading, composing, explanations, the tab
// chain and the access keys all follow it. What the option writes is the option table's.
struct MirloCL::OptionControl
{
    using Widget = std::variant<QRadioButton *MirloCL::*, QCheckBox *MirloCL::*,
                                QLineEdit *MirloCL::*, QPushButton *MirloCL::*, QLabel *MirloCL::*>;

    Widget widget = {};
    const char *objectName = nullptr;
    QGroupBox *MirloCL::*group = nullptr;
    QRect geometry = {}; // at the usual text size
    DialogText text = {};
    const Option *option = nullptr; // the option it shows, if any
    int keyRank = 0;  // the lower, the sooner it gets its pick of letters; 0: none
    Qt::FocusPolicy focus = Qt::StrongFocus;
    bool textIsToolTip = false;
    bool greyedWhenOff = true; // follows the activation toggle
};
