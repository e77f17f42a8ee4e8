#pragma once

#include "optionline/optionstate.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Option;

// A setting the dialog shows, under the name scripts give it: an exclusive
// choice (its values named by its rows), a flag ("on" or "off") or a text.
// All of them follow the option table, in its order.
struct Setting
{
    enum class Kind { Choice, Flag, Text };

    QString name;
    Kind kind = Kind::Text;
    QList<const Option *> rows; // a choice's values; a flag's or a text's one row
};

const QList<Setting> &settings();
const Setting *settingNamed(const QString &name);

// The values a choice or a flag takes; a text takes any and lists none.
QStringList valuesOf(const Setting &setting);
QString valueIn(const Setting &setting, const OptionState &state);
// False, leaving the state alone, for a value the setting does not take.
bool setValue(const Setting &setting, const QString &value, OptionState &state);
