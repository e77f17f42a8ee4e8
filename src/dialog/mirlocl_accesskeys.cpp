// Access keys: every control but OK and Cancel (Enter and Escape serve
// them) and the two "..." buttons (one Tab from their fields) gets one,
// picked from its translated text. A group's key goes to its checked radio
// button; each field is reached by its group's key, Link File by its label.
#include "dialog/optioncontrol.h"

#include "dialog/accesskeys.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

QString textOf(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return qobject_cast<const QAbstractButton *>(widget)->text();
}

void setTextOf(QWidget *widget, const QString &text)
{
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        box->setTitle(text);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else
        qobject_cast<QAbstractButton *>(widget)->setText(text);
}

} // namespace

// After the two buttons, the most useful first, as letters run out: the
// groups, whose keys lead to their settings, then the option controls by
// their rank.
QList<QWidget *> MirloCL::keyedSettings() const
{
    QList<QWidget *> settings;
    for (QGroupBox *group : groups())
        settings.append(group);
    QList<const OptionControl *> ranked;
    for (const OptionControl &row : optionControls()) {
        if (row.keyRank > 0)
            ranked.append(&row);
    }
    std::sort(ranked.begin(), ranked.end(),
              [](const OptionControl *a, const OptionControl *b) { return a->keyRank < b->keyRank; });
    for (const OptionControl *row : ranked)
        settings.append(widgetOf(*row));
    return settings;
}

QList<QGroupBox *> MirloCL::groups() const
{
    return {gbCodeCoverageLevels,  bgFunctions,    bgCalls,   bgBlocks,
            bgConditions,          gbFeatureActivation, gbAdaOptions, bgInstrumentationMode,
            gbTernary,             gbStaticFileDirectory, bgFunctionDump, gbOther};
}

void MirloCL::setAccessKeys()
{
    const QList<QWidget *> settings = keyedSettings();
    // Both texts of the toggle keep a letter of their own.
    QStringList texts = {btApply->text(), tr("Disable"), tr("Enable")};
    for (const QWidget *setting : settings)
        texts.append(textOf(setting));
    const QStringList keyed = withAccessKeys(texts);
    btApply->setText(keyed.at(0));
    m_toggleTexts = {keyed.at(1), keyed.at(2)};
    for (qsizetype i = 0; i < settings.size(); ++i)
        setTextOf(settings[i], keyed.at(i + 3));
    // eventFilter() sends a group's key to its checked radio button.
    for (QGroupBox *group : groups())
        group->installEventFilter(this);
}
