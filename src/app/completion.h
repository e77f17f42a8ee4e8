#pragma once

#include <QString>

// A bash completion of vimbracl's options, settings and values, made from
// the option table.
QString bashCompletionScript();
