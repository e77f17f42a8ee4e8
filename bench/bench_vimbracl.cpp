// The real program, quitting after its first paint.
#include "firstpaintquitter.h"

#include "app/startup.h"

int main(int argc, char *argv[])
{
    FirstPaintQuitter quitter;
    return startProgram(argc, argv, &quitter);
}
