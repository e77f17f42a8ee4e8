#pragma once

#include <QString>

#include <functional>

// Named points of a save. Tests install a hook to change the world there
// (swap a file, fail a call, stop the process), the way another program or
// a crash would; the program itself installs none.
enum class SavePoint {
    BeforeRename, // the new content is complete beside the target, not yet in its place
};

using SavePointHook = std::function<void(SavePoint point, const QString &target)>;

// Installs `hook` (an empty one removes it).
void setSavePointHook(SavePointHook hook);
void reachSavePoint(SavePoint point, const QString &target);
