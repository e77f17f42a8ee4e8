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

void reachSavePoint(SavePoint point, const QString &target)
{
    if (const SavePointHook &hook = installedHook())
        hook(point, target);
}
