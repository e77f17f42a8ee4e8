#pragma once

#include <QByteArray>
#include <QString>

// Starts twice on `content` as an options file without an activation file:
// the second start must leave both files as the first left them. Then
// parses, composes, saves, reads and parses again: composing must be a
// fixpoint after that one round. Returns what went wrong, or an empty string.
QString checkOptionLineRoundTrip(const QByteArray &content, const QString &directory);
