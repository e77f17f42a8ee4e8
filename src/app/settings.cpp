#include "app/settings.h"

#include "optionline/optiontable.h"

namespace {

// "functionsWithExits" is "functions-with-exits" on the command line.
QString scriptName(std::string_view name)
{
    QString result;
    for (const char c : name) {
        if (c >= 'A' && c <= 'Z') {
            result += QLatin1Char('-');
            result += QLatin1Char(char(c - 'A' + 'a'));
        } else {
            result += QLatin1Char(c);
        }
    }
    return result;
}

const QString on = QStringLiteral("on");
const QString off = QStringLiteral("off");

QList<Setting> settingsOfTable()
{
    QList<Setting> result;
    QList<QString OptionState::*> texts;
    for (const Option &option : optionTable) {
        if (const auto *choice = std::get_if<Option::Choice>(&option.part)) {
            const QString name = scriptName(choice->setting);
            if (result.isEmpty() || result.last().name != name)
                result.append({name, Setting::Kind::Choice, {}});
            result.last().rows.append(&option);
        } else if (std::holds_alternative<bool OptionState::*>(option.part)) {
            result.append({scriptName(option.name), Setting::Kind::Flag, {&option}});
        } else {
            // A text that two options write (the static file directory) is one setting.
            const auto text = std::get<QString OptionState::*>(option.part);
            if (texts.contains(text))
                continue;
            texts.append(text);
            result.append({scriptName(option.name), Setting::Kind::Text, {&option}});
        }
    }
    return result;
}

} // namespace

const QList<Setting> &settings()
{
    static const QList<Setting> all = settingsOfTable();
    return all;
}

const Setting *settingNamed(const QString &name)
{
    for (const Setting &setting : settings()) {
        if (setting.name == name)
            return &setting;
    }
    return nullptr;
}

QStringList valuesOf(const Setting &setting)
{
    switch (setting.kind) {
    case Setting::Kind::Choice: {
        QStringList values;
        for (const Option *row : setting.rows)
            values.append(scriptName(row->name));
        return values;
    }
    case Setting::Kind::Flag:
        return {on, off};
    case Setting::Kind::Text:
        break;
    }
    return {};
}

QString valueIn(const Setting &setting, const OptionState &state)
{
    const Option &first = *setting.rows.constFirst();
    switch (setting.kind) {
    case Setting::Kind::Choice:
        for (const Option *row : setting.rows) {
            if (holds(*row, state))
                return scriptName(row->name);
        }
        break;
    case Setting::Kind::Flag:
        return state.*std::get<bool OptionState::*>(first.part) ? on : off;
    case Setting::Kind::Text:
        return state.*std::get<QString OptionState::*>(first.part);
    }
    return {};
}

bool setValue(const Setting &setting, const QString &value, OptionState &state)
{
    const Option &first = *setting.rows.constFirst();
    switch (setting.kind) {
    case Setting::Kind::Choice:
        for (const Option *row : setting.rows) {
            if (scriptName(row->name) == value) {
                std::get<Option::Choice>(row->part).setIn(state);
                return true;
            }
        }
        return false;
    case Setting::Kind::Flag:
        if (value != on && value != off)
            return false;
        state.*std::get<bool OptionState::*>(first.part) = value == on;
        return true;
    case Setting::Kind::Text:
        // A line break would end the option line inside the value.
        if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
            return false;
        state.*std::get<QString OptionState::*>(first.part) = value;
        return true;
    }
    return false;
}
