// Saving: the line is composed afresh from the widgets.
#include "dialog/mirlocl.h"

#include "dialog/radiochoices.h"
#include "messages/messages.h"
#include "optionline/optioncomposer.h"
#include "store/optionsfile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>

void MirloCL::action()
{
    actionFailed = false;
    const ComposedLine composed = composeOptionLine(currentState(), m_language);
    if (composed.dumpFunctionMissing) {
        actionFailed = true;
        showWarning(missingDumpFunctionMessage());
    }
    m_store.setOptions(composed.line);
    // OK must not close over a save that failed: the user can mend the
    // cause and press OK again, or cancel.
    if (!m_store.save())
        actionFailed = true;
}

void MirloCL::actionAndQuit()
{
    action();
    if (!actionFailed)
        QCoreApplication::quit();
}

OptionState MirloCL::currentState() const
{
    OptionState state;
    state.functions = checkedChoice(functionChoices());
    state.calls = checkedChoice(callChoices());
    state.blocks = checkedChoice(blockChoices());
    state.conditions = checkedChoice(conditionChoices());
    state.mode = checkedChoice(modeChoices());
    state.dump = checkedChoice(dumpChoices());
    for (const auto &[checkBox, field] : checkBoxFields())
        state.*field = checkBox->isChecked();
    for (const auto &[lineEdit, field] : lineEditFields())
        state.*field = lineEdit->text();
    return state;
}
