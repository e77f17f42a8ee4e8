#pragma once

// The project language named on the command line. Only Ada changes what is
// written: Ada projects get no "-tsfdir=" option.
enum class Language : int {
    C = 0,
    CPlusPlus = 1,
    Ada = 2,
};
