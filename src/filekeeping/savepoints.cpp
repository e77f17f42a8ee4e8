#include "filekeeping/savepoints.h"

namespace {

SavePointHook &installedHook()
{
    static SavePointHook hook;
    return hook;
}

} // namespace

void setSavePointHook(SavePointHook hook)
{
    installedHook() = std::move(hook);
}

bool reachSavePoint(SavePoint point, const QString &path)
{
    const SavePointHook &hook = installedHook();
    return !hook || hook(point, path);
}
