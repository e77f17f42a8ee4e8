#pragma once

#include <QString>
#include <QStringView>

// A save's new bytes first go to a file beside the target named
// .vimbracl-save-RANDOM.tmp: a name of the program's own, so that what a
// killed save left is recognised and removed by a later one.
QString temporaryFileName();
bool isTemporaryFileName(QStringView name);

// No save runs this long: a temporary file untouched for longer is left over.
inline constexpr int staleTemporarySeconds = 60;
