#pragma once
// The one pseudo-random source of the simulation: a 15-bit linear
// congruential generator with a fixed start, so that every launch draws the
// same sequence and the same presses give the same frames.

#include <cstdint>

// The whole state of the generator. There is exactly one.
extern std::uint32_t RandomState;

// Puts the generator where every launch starts: seeded with 1 and advanced by
// one draw that nobody sees. Runs once, before the simulation is set up.
void StartRandomSource();

// One draw: 0..32767, bits 16 to 30 of the new state.
inline std::int32_t NextRandom()
{
    RandomState = RandomState * 22695477u + 1u;  // mod 2^32 by unsigned wrap-around
    return static_cast<std::int32_t>((RandomState >> 16) & 0x7FFFu);
}

// One draw mapped to 0.0001..1.0001 in steps of 1/32767.
inline double UniformDraw()
{
    constexpr double step = 1.0 / 32767.0;
    return NextRandom() * step + 0.0001;
}

// A normal deviate by the sine branch of the Box-Muller transform. Always
// takes exactly two draws, whatever sigma is; the first feeds the logarithm,
// the second the sine. Never further than 4.2919554 * sigma from mean.
double GaussianDeviate(double mean, double sigma);

// The only conversion from real to integer in the engine: toward zero.
// REQUIRES: v lies inside the 32-bit signed range.
inline std::int32_t Trunc(double v)
{
    return static_cast<std::int32_t>(v);
}
