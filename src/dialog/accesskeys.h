#pragma once

#include <QStringList>

// Access keys (Alt+letter, shown underlined) picked at run time from the
// texts as they are translated, the way KDE's accelerator manager picks
// them, so that no translation has to plan them: each text, in the order
// given (the most important first), gets the first letter of a word that
// no earlier text took, else any letter of it that is free. A text that
// carries an "&" already (a translation that fixes its letter) keeps it,
// and its letter is taken first. When every letter of a text is taken
// (the dialog has more controls than some languages have letters), it
// shares its least used one: that key then moves the focus from one control
// to the next of those that share it.
QStringList withAccessKeys(const QStringList &texts);

// The text without its access key marker, as it is shown and read.
QString withoutAccessKey(const QString &text);
