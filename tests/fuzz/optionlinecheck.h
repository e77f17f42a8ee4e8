#pragma once

#include <QByteArray>
#include <QString>

// Reads `content` as an options file through the store, parses, composes,
// saves, reads and parses again. Composing must be a fixpoint after that one
// round. Returns what went wrong, or an empty string.
QString checkOptionLineRoundTrip(const QByteArray &content, const QString &directory);
