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

// Each draw steps the state to state * RandomMultiplier + RandomIncrement,
// mod 2^32.
constexpr std::uint32_t RandomMultiplier = 22695477u;
constexpr std::uint32_t RandomIncrement = 1u;

// One draw: 0..32767, bits 16 to 30 of the new state. This overload steps
// any copy of the state, so that a loop can keep it in a register and store
// it back into RandomState when done. The sequence is the same.
inline std::int32_t NextRandom(std::uint32_t& state)
{
    state = state * RandomMultiplier + RandomIncrement;  // mod 2^32 by unsigned wrap-around
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

// The two draws of one normal deviate, each already scaled by 0.9999 and
// held in a double: u1 feeds the logarithm, u2 the sine.
struct DeviateDraws {
    double u1;
    double u2;
};

inline DeviateDraws DrawDeviate(std::uint32_t& state)
{
    const double u1 = UniformDraw(state) * 0.9999;
    const double u2 = UniformDraw(state) * 0.9999;
    return {u1, u2};
}

// Takes the draws of `count` deviates from RandomState, in order. A loop
// over a column draws them all before it computes any of its deviates: the
// generator's steps form one serial chain, and kept apart from the
// logarithms and sines they no longer hold those up. The values are the
// same as drawing each deviate in turn.
void DrawDeviates(DeviateDraws* draws, std::int32_t count);

// The sine branch of the Box-Muller transform on the draws of one deviate.
// Never further than 4.2919554 * sigma from mean. Each value is held in a
// double of its own, so no wider intermediate can change a truncation.
inline double BoxMuller(DeviateDraws draws, double mean, double sigma)
{
    const double s = std::sqrt(-2.0 * std::log(draws.u1));
    const double t = std::sin(6.283185307179586 * draws.u2);
    return (sigma * s) * t + mean;
}

// A normal deviate. Always takes exactly two draws, whatever sigma is; the
// first feeds the logarithm, the second the sine.
inline double GaussianDeviate(double mean, double sigma)
{
    return BoxMuller(DrawDeviate(RandomState), mean, sigma);
}

// The only conversion from real to integer in the engine: toward zero.
// REQUIRES: v lies inside the 32-bit signed range.
inline std::int32_t Trunc(double v)
{
    return static_cast<std::int32_t>(v);
}
