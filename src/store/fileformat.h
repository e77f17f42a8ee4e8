#pragma once

// The layout of the two files: the option line is the options file's first
// line, and the activation file beside it starts with a number.

#include <QByteArray>
#include <QString>

#include <optional>

// The activation file lives beside the options file.
QString activationPathFor(const QString &optionsPath);

// The first line of a file's content without its LF or CRLF terminator, or
// nothing when the content is empty.
std::optional<QByteArray> firstLine(const QByteArray &content);

// The file's content with its first line replaced by `line`. The terminator
// after the first line and every byte after it stay; a terminator with
// nothing after it is dropped, as the line alone is written without one. A
// leading byte order mark stays in front of the new line, and one comes
// before a line that would read back as beginning with a mark.
QByteArray withFirstLineReplaced(const QByteArray &content, const QByteArray &line);

// The integer at the start of the activation file, read the way "%d" scans:
// leading white space, an optional sign, digits. Out-of-range values saturate.
std::optional<int> scanInteger(const QByteArray &content);
