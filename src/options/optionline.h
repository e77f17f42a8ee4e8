#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Only U+0020 separates tokens; runs of spaces count as one separator.
QStringList splitTokens(const QString &line);

// Pass mode is never stored: it is implied by a line that mentions neither
// "-compact" nor "-count", even inside a longer token.
bool impliesPassMode(const QString &line);

// Drops every "-pass" token. A line that mentions "-pass" anywhere is split
// and rejoined with single spaces; any other line is returned unchanged.
QString stripPassTokens(const QString &line);

// The activation file lives beside the options file.
QString activationPathFor(const QString &optionsPath);

// The first line of a file's content without its LF or CRLF terminator, or
// nothing when the content is empty.
std::optional<QByteArray> firstLine(const QByteArray &content);

// The integer at the start of the activation file, read the way "%d" scans:
// leading white space, an optional sign, digits. Out-of-range values saturate.
std::optional<int> scanInteger(const QByteArray &content);
