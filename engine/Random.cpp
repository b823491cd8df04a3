#include "Random.h"

std::uint32_t RandomState = 1;

void StartRandomSource()
{
    RandomState = 1;
    NextRandom();
}

namespace {

// `steps` steps of the generator as one: state * multiplier + increment,
// mod 2^32, lands exactly where stepping `steps` times would.
struct Leap {
    std::uint32_t multiplier;
    std::uint32_t increment;

    std::uint32_t From(std::uint32_t state) const { return state * multiplier + increment; }
};

constexpr Leap LeapOf(std::int32_t steps)
{
    Leap leap{1u, 0u};
    for (std::int32_t i = 0; i < steps; ++i)
        leap = {leap.multiplier * RandomMultiplier, leap.increment * RandomMultiplier + RandomIncrement};
    return leap;
}

}  // namespace

// Stepping the generator is one long serial chain, a multiply and an add per
// draw. Four lanes each start at the state before one of four successive
// deviates and leap eight draws at a time, so four short chains run side by
// side; each deviate is still drawn by DrawDeviate from its exact state.
void DrawDeviates(DeviateDraws* draws, std::int32_t count)
{
    constexpr std::int32_t Lanes = 4;
    constexpr std::int32_t DrawsPerDeviate = 2;
    constexpr Leap nextBlock = LeapOf(Lanes * DrawsPerDeviate);

    std::uint32_t state = RandomState;
    std::int32_t i = 0;
    if (count >= Lanes) {
        std::uint32_t before[Lanes];  // the state before deviate i + lane
        for (std::int32_t lane = 0; lane < Lanes; ++lane)
            before[lane] = LeapOf(lane * DrawsPerDeviate).From(state);
        for (; i + Lanes <= count; i += Lanes) {
            for (std::int32_t lane = 0; lane < Lanes; ++lane) {
                std::uint32_t own = before[lane];
                draws[i + lane] = DrawDeviate(own);
                state = own;
                before[lane] = nextBlock.From(before[lane]);
            }
        }
    }
    for (; i < count; ++i)
        draws[i] = DrawDeviate(state);
    RandomState = state;
}
