#pragma once

#include "optionline/optionstate.h"

// Reads an option line the way the dialog shows it: the last token of a
// group wins, synonyms count as their token, unknown tokens are collected in
// line order into the other options.
OptionState parseOptionLine(const QString &line);

// Whether the token is one of the dialog's own options: a token of the
// vocabulary or one that starts with a value or dump prefix.
bool isOptionToken(QStringView token);
