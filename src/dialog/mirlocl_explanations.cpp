// What each option does and what it writes, for Shift+F1, the title bar's
// help button and screen readers. The options are quoted from the option
// table, so a description never names another token than the one the line
// gets.
#include "dialog/optioncontrol.h"

#include "optionline/optiontable.h"

#include <QWidget>

namespace {

void explain(QWidget *control, const QString &text)
{
    control->setWhatsThis(text);
    control->setAccessibleDescription(text);
}

} // namespace

QString MirloCL::writtenBy(const Option &option)
{
    switch (option.form) {
    case Option::Form::Token:
        return tr("Writes %1.").arg(option.token);
    case Option::Form::TokenAndText:
        return tr("Writes %1 followed by the function name.").arg(option.token);
    case Option::Form::NoOption:
        return tr("Writes no dump option.");
    case Option::Form::ImpliedToken:
        return tr("Writes no option: a line without %1 and %2 is in pass mode.")
                .arg(optionNamed("count")->token, optionNamed("compact")->token);
    case Option::Form::QuotedValue:
    case Option::Form::Argument:
    case Option::Form::Rest:
        break;
    }
    return {};
}

void MirloCL::setExplanations()
{
    setWindowFlag(Qt::WindowContextHelpButtonHint);
    for (const OptionControl &row : optionControls()) {
        if (row.option && row.option->explanation)
            explain(widgetOf(row), tr(row.option->explanation) + u' ' + writtenBy(*row.option));
    }
}
