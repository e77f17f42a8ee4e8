#include "optionline/optionstate.h"

#include <QDebug>

#include <tuple>

namespace {

auto fields(const OptionState &s)
{
    return std::tie(s.functions, s.calls, s.blocks, s.conditions, s.noTernary, s.mode, s.dump,
                    s.dumpFunction, s.ada83, s.linkFile, s.staticFileDirectory, s.runtimeTrace,
                    s.memoryProfiling, s.performanceProfiling, s.otherOptions);
}

} // namespace

bool operator==(const OptionState &a, const OptionState &b)
{
    return fields(a) == fields(b);
}

QDebug operator<<(QDebug debug, const OptionState &s)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << "OptionState(functions=" << int(s.functions) << " calls=" << int(s.calls)
                    << " blocks=" << int(s.blocks) << " conditions=" << int(s.conditions)
                    << " noTernary=" << s.noTernary << " mode=" << int(s.mode)
                    << " dump=" << int(s.dump) << " dumpFunction=" << s.dumpFunction
                    << " ada83=" << s.ada83 << " linkFile=" << s.linkFile
                    << " staticFileDirectory=" << s.staticFileDirectory
                    << " trace=" << s.runtimeTrace << " mempro=" << s.memoryProfiling
                    << " perfpro=" << s.performanceProfiling << " other=" << s.otherOptions << ')';
    return debug;
}
