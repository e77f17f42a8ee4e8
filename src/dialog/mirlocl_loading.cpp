// Filling the widgets from the stored option line and activation flag.
#include "dialog/mirlocl.h"

#include "dialog/radiochoices.h"
#include "options/optionparser.h"
#include "options/optionsfile.h"

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
    cbTernaryCoverage->setChecked(state.noTernary);
    cbAda83Restrictions->setChecked(state.ada83);
    cbRuntimeTrace->setChecked(state.runtimeTrace);
    cbMemoryProfiling->setChecked(state.memoryProfiling);
    cbPerformanceProfiling->setChecked(state.performanceProfiling);
    txtFunctionDump->setText(state.dumpFunction);
    txtLinkFile->setText(state.linkFile);
    txtStaticFileDirectory->setText(state.staticFileDirectory);
    txtOther->setText(state.otherOptions);
}
