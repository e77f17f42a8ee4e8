#pragma once

#include <QByteArray>

// The directory part of a path ("." when there is none), and the last part.
QByteArray directoryOf(const QByteArray &path);
QByteArray fileNameOf(const QByteArray &path);
QByteArray joined(const QByteArray &directory, const QByteArray &name);

// Whether a failed lookup's errno means that nothing stands at the name (no
// file can exist under a name the system refuses, either).
bool isMissingName(int error);
