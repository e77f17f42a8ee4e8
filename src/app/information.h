#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What `--help` (the usage) or `--version` prints when either is among the
// program's arguments; they need no display, installation or file. A file
// of either name is still reached as ./--help.
std::optional<QString> requestedInformation(const QStringList &arguments);
