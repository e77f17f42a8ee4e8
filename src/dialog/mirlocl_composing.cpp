// Saving: the line is composed afresh from the widgets.
#include "dialog/optioncontrol.h"

#include "messages/messages.h"
#include "optionline/optioncomposer.h"
#include "store/optionsfile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include <type_traits>

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
