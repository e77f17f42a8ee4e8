// What each option does and what it writes, for Shift+F1, the title bar's
// help button and screen readers. The options are quoted from the
// vocabulary, so a description never names another token than the one the
// line gets.
#include "dialog/optioncontrol.h"

#include "optionline/vocabulary.h"

#include <QWidget>

namespace {

void explain(QWidget *control, const QString &text)
{
    control->setWhatsThis(text);
    control->setAccessibleDescription(text);
}

} // namespace

QString MirloCL::writtenBy(const OptionControl &row)
{
    switch (row.writes) {
    case OptionControl::Writes::Nothing:
        break;
    case OptionControl::Writes::Token:
        return tr("Writes %1.").arg(row.token);
    case OptionControl::Writes::TokenAndFunctionName:
        return tr("Writes %1 followed by the function name.").arg(row.token);
    case OptionControl::Writes::NoDumpOption:
        return tr("Writes no dump option.");
    case OptionControl::Writes::PassMode:
        return tr("Writes no option: a line without %1 and %2 is in pass mode.")
                .arg(Token::count, Token::compact);
    }
    return {};
}

void MirloCL::setExplanations()
{
    setWindowFlag(Qt::WindowContextHelpButtonHint);
    for (const OptionControl &row : optionControls()) {
        if (row.explanation.source)
            explain(widgetOf(row), tr(row.explanation.source) + u' ' + writtenBy(row));
    }
}
