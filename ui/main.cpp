#include "Random.h"
#include "StarloomApplication.h"

int main(int argc, char* argv[])
{
    // Every launch must draw the same sky, so the random source is put in
    // its start state before any window, and with it the simulation, exists.
    StartRandomSource();
    StarloomApplication application(argc, argv);
    return application.RunGuarded([&application] { return application.Run(); });
}
