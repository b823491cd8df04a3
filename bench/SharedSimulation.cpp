#include "SharedSimulation.h"

#include "Random.h"
#include "Simulation.h"

void EnsureSimulation()
{
    static const bool ready = [] {
        StartRandomSource();
        SetUpSimulation();
        return true;
    }();
    (void)ready;
}
