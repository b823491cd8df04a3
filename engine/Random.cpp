#include "Random.h"

std::uint32_t RandomState = 1;

void StartRandomSource()
{
    RandomState = 1;
    NextRandom();
}
