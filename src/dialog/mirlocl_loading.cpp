// Filling the widgets from the stored option line and activation flag.
#include "dialog/optioncontrol.h"

#include "optionline/optionparser.h"
#include "store/optionsfile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include <type_traits>

void MirloCL::initWidgets()
{
    showState(parseOptionLine(m_store.options()));
    applyActivation(m_store.active() == 1);
}

void MirloCL::showState(const OptionState &state)
{
    for (const OptionControl &row : optionControls()) {
        if (!row.option)
            continue;
        std::visit(
                [&](const auto &part) {
                    using Part = std::decay_t<decltype(part)>;
                    if constexpr (std::is_same_v<Part, Option::Choice>) {
                        if (part.isIn(state))
                            qobject_cast<QRadioButton *>(widgetOf(row))->setChecked(true);
                    } else if constexpr (std::is_same_v<Part, bool OptionState::*>) {
                        qobject_cast<QCheckBox *>(widgetOf(row))->setChecked(state.*part);
                    } else {
                        qobject_cast<QLineEdit *>(widgetOf(row))->setText(state.*part);
                    }
                },
                row.option->part);
    }
}
