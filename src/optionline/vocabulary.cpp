#include "optionline/vocabulary.h"

QString defaultOptionLine()
{
    return QStringLiteral("-proc -block=decision -nocall -nocond");
}
