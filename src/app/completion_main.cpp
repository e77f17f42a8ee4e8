// Prints the bash completion, for the build to install.
#include "app/completion.h"

#include <cstdio>

int main()
{
    std::fputs(bashCompletionScript().toUtf8().constData(), stdout);
    return 0;
}
