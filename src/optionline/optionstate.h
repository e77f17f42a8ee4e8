#pragma once

#include <QString>

class QDebug;

enum class FunctionCoverage { None, Functions, WithExits };
enum class CallCoverage { None, Calls };
enum class BlockCoverage { None, StatementBlocks, ImplicitBlocks, Loops };
enum class ConditionCoverage { None, Basic, ModifiedMultiple, Forced };
enum class InstrumentationMode { Pass, Count, Compact };
enum class FunctionDump { None, BeforeCall, AfterCall, BeforeReturn };

// Everything the dialog shows of an option line. The defaults are what a
// group shows when the line holds none of its tokens.
struct OptionState
{
    FunctionCoverage functions = FunctionCoverage::None;
    CallCoverage calls = CallCoverage::None;
    BlockCoverage blocks = BlockCoverage::None;
    ConditionCoverage conditions = ConditionCoverage::None;
    bool noTernary = false;
    InstrumentationMode mode = InstrumentationMode::Pass;
    FunctionDump dump = FunctionDump::None;
    QString dumpFunction;
    bool ada83 = false;
    QString linkFile;
    QString staticFileDirectory;
    bool runtimeTrace = false;
    bool memoryProfiling = false;
    bool performanceProfiling = false;
    QString otherOptions;

    bool operator==(const OptionState &) const = default;
};

// The options the state holds, by their names in the option table.
QDebug operator<<(QDebug debug, const OptionState &state);
