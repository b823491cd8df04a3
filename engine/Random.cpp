#include "Random.h"

#include <cmath>

std::uint32_t RandomState = 1;

void StartRandomSource()
{
    RandomState = 1;
    NextRandom();
}

double GaussianDeviate(double mean, double sigma)
{
    // Each value is held in a double of its own so that no wider intermediate
    // can change a truncation downstream.
    const double u1 = UniformDraw() * 0.9999;
    const double u2 = UniformDraw() * 0.9999;
    const double s = std::sqrt(-2.0 * std::log(u1));
    const double t = std::sin(6.283185307179586 * u2);
    return (sigma * s) * t + mean;
}
