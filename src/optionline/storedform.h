#pragma once

#include <QString>

// The line as the options file keeps it. An empty line, as a missing or
// empty file gives, stands for the default line. Pass mode is never stored:
// a line that implies it (no "-count", no "-compact") loses its "-pass"
// tokens and has its spaces normalised; any other line loses its "-pass"
// tokens only when it mentions "-pass".
QString storedOptionLine(const QString &line);
