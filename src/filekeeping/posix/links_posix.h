#pragma once

// Following links the way the system does, and no further.

#include <QByteArray>

#include <optional>

// The file that `path` names, resolved part by part as the system resolves
// it: an absolute path without links. For a name that does not exist yet, a
// dangling link included, the path it would be created under. Nothing for a
// link loop, a link the system's protected_symlinks rule would not follow
// (another user's, in a sticky world-writable directory whose owner is not
// that user), or a part that cannot be examined.
std::optional<QByteArray> resolvedTarget(const QByteArray &path);

// Opens the resolved target without following a link in its last part, so
// that a link swapped in after resolving is not followed either.
int openTarget(const QByteArray &target, int flags);
