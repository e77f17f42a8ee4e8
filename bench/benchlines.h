#pragma once

#include <QByteArray>

// The default choices and `options` other options of about 13 bytes each.
inline QByteArray lineWithOptions(int options)
{
    QByteArray line = "-proc -nocall -block=decision -nocond -count";
    for (int i = 0; i < options; ++i)
        line += " -Dopt_" + QByteArray::number(i).rightJustified(4, '0') + "=1";
    return line + ' ';
}
