#pragma once

#include <QString>

// What --help prints: the forms of the command line and every setting with
// its values, from the option table.
QString usageText();
// What --version prints.
QString versionText();
