#pragma once
// The one pseudo-random source of the simulation: a 15-bit linear
// congruential generator with a fixed start, so that every launch draws the
// same sequence and the same presses give the same frames.

#include <cmath>
#include <cstdint>

// The whole state of the generator. There is exactly one.
extern std::uint32_t RandomState;

// Puts the generator where every launch starts: seeded with 1 and advanced by
// one draw that nobody sees. Runs once, before the simulation is set up.
void StartRandomSource();

// One draw: 0..32767, bits 16 to 30 of the new state. This overload steps
// any copy of the state: a long loop keeps RandomState in a local while it
// draws (so it can stay in a register across the calls into libm) and stores
// it back when done. The sequence is the same.
inline std::int32_t NextRandom(std::uint32_t& state)
{
    state = state * 22695477u + 1u;  // mod 2^32 by unsigned wrap-around
    return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
}

inline std::int32_t NextRandom()
{
    return NextRandom(RandomState);
}

// One draw mapped to 0.0001..1.0001 in steps of 1/32767.
inline double UniformDraw(std::uint32_t& state)
{
    constexpr double step = 1.0 / 32767.0;
    return NextRandom(state) * step + 0.0001;
}

inline double UniformDraw()
{
    return UniformDraw(RandomState);
}

// A normal deviate by the sine branch of the Box-Muller transform. Always
// takes exactly two draws, whatever sigma is; the first feeds the logarithm,
// the second the sine. Never further than 4.2919554 * sigma from mean.
// Inline so that the loops drawing hundreds of thousands of them keep the
// draws and the arithmetic in registers; each value is still held in a
// double of its own, so no wider intermediate can change a truncation.
inline double GaussianDeviate(std::uint32_t& state, double mean, double sigma)
{
    const double u1 = UniformDraw(state) * 0.9999;
    const double u2 = UniformDraw(state) * 0.9999;
    const double s = std::sqrt(-2.0 * std::log(u1));
    const double t = std::sin(6.283185307179586 * u2);
    return (sigma * s) * t + mean;
}

inline double GaussianDeviate(double mean, double sigma)
{
    return GaussianDeviate(RandomState, mean, sigma);
}

// The only conversion from real to integer in the engine: toward zero.
// REQUIRES: v lies inside the 32-bit signed range.
inline std::int32_t Trunc(double v)
{
    return static_cast<std::int32_t>(v);
}
