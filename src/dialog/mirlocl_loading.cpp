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
    showState(parseOptionLine(m_store.readInto()));
    applyActivation(m_store.active() == 1);
}

void MirloCL::showState(const OptionState &state)
{
    for (const OptionControl &row : optionControls()) {
        std::visit(
                [&](const auto &part) {
                    using Part = std::decay_t<decltype(part)>;
                    if constexpr (std::is_same_v<Part, OptionControl::Choice>) {
                        if (part.isIn(state))
                            qobject_cast<QRadioButton *>(widgetOf(row))->setChecked(true);
                    } else if constexpr (std::is_same_v<Part, bool OptionState::*>) {
                        qobject_cast<QCheckBox *>(widgetOf(row))->setChecked(state.*part);
                    } else if constexpr (std::is_same_v<Part, QString OptionState::*>) {
                        qobject_cast<QLineEdit *>(widgetOf(row))->setText(state.*part);
                    }
                },
                row.part);
    }
}
