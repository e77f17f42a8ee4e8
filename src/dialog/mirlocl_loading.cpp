// Filling the widgets from the stored option line and activation flag.
#include "dialog/mirlocl.h"

#include "dialog/radiochoices.h"
#include "optionline/optionparser.h"
#include "store/optionsfile.h"

#include <QCheckBox>
#include <QLineEdit>

void MirloCL::initWidgets()
{
    showState(parseOptionLine(m_store.readInto()));
    applyActivation(m_store.active() == 1);
}

void MirloCL::showState(const OptionState &state)
{
    checkChoice(functionChoices(), state.functions);
    checkChoice(callChoices(), state.calls);
    checkChoice(blockChoices(), state.blocks);
    checkChoice(conditionChoices(), state.conditions);
    checkChoice(modeChoices(), state.mode);
    checkChoice(dumpChoices(), state.dump);
    for (const auto &[checkBox, field] : checkBoxFields())
        checkBox->setChecked(state.*field);
    for (const auto &[lineEdit, field] : lineEditFields())
        lineEdit->setText(state.*field);
}
