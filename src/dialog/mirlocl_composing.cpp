// Saving: the line is composed afresh from the widgets.
#include "dialog/optioncontrol.h"

#include "store/statesaving.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <type_traits>

void MirloCL::action()
{
    const StateSaved result = saveOptionState(m_store, currentState(), m_language);
    // OK must not close over a save that failed: the user can mend the
    // cause and press OK again, or cancel.
    actionFailed = result.dumpFunctionMissing || !result.saved;
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
    for (const OptionControl &row : optionControls()) {
        if (!row.option)
            continue;
        std::visit(
                [&](const auto &part) {
                    using Part = std::decay_t<decltype(part)>;
                    if constexpr (std::is_same_v<Part, Option::Choice>) {
                        if (qobject_cast<const QRadioButton *>(widgetOf(row))->isChecked())
                            part.setIn(state);
                    } else if constexpr (std::is_same_v<Part, bool OptionState::*>) {
                        state.*part = qobject_cast<const QCheckBox *>(widgetOf(row))->isChecked();
                    } else {
                        state.*part = qobject_cast<const QLineEdit *>(widgetOf(row))->text();
                    }
                },
                row.option->part);
    }
    return state;
}
