#pragma once

#include <QByteArray>
#include <QString>

// The two files hold UTF-8. A hand-edited file may not: bytes that are not
// valid UTF-8 are carried as the lone surrogates U+DC80..U+DCFF and written
// back as the same bytes, so a save never alters what the user had there.
QString decodeFileText(const QByteArray &bytes);
QByteArray encodeFileText(const QString &text);
