#pragma once

#include <QByteArray>
#include <QString>

// The two files hold UTF-8. A hand-edited file may not: bytes that are not
// valid UTF-8 are carried as the lone surrogates U+DC80..U+DCFF and written
// back as the same bytes, so a save never alters what the user had there.
// A leading byte order mark is an editor's, not part of the first token:
// reading drops it, and saving keeps the one the file had.
inline constexpr char utf8ByteOrderMark[] = "\xEF\xBB\xBF";

QString decodeFileText(const QByteArray &bytes);
QByteArray encodeFileText(const QString &text);
