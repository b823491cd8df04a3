#pragma once
// A copy of the generator's arithmetic, kept apart from the engine, so that
// tests can count how far a press moved the engine's stream and can put the
// engine's stream where a chosen draw comes next.

#include <cstdint>

namespace reference {

constexpr std::uint32_t Multiplier = 22695477u;

// Where the engine's stream stands once the launch has thrown away the
// first draw of the sequence that starts from state 1.
constexpr std::uint32_t LaunchState = 22695478u;

constexpr std::uint32_t Step(std::uint32_t state)
{
    return state * Multiplier + 1u;
}

// The multiplier is odd, so it has an inverse modulo 2^32 (Newton's
// iteration doubles the number of correct low bits each round).
constexpr std::uint32_t MultiplierInverse = [] {
    std::uint32_t inverse = Multiplier;
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - Multiplier * inverse;
    return inverse;
}();
static_assert(Multiplier * MultiplierInverse == 1u);

constexpr std::uint32_t StepBack(std::uint32_t state)
{
    return (state - 1u) * MultiplierInverse;
}

constexpr std::uint32_t StepBack(std::uint32_t state, std::int64_t steps)
{
    for (std::int64_t i = 0; i < steps; ++i)
        state = StepBack(state);
    return state;
}

// The 15 bits that a draw returns from the state it leaves behind.
constexpr std::int32_t Output(std::uint32_t state)
{
    return static_cast<std::int32_t>((state >> 16) & 0x7FFFu);
}

// A state after which the next draw returns `value` (0..32767); `highBit`
// and `lowBits` choose among the 2^17 states that do so.
constexpr std::uint32_t StateBeforeDraw(std::int32_t value, bool highBit = false, std::uint32_t lowBits = 0)
{
    const std::uint32_t next = (highBit ? 0x80000000u : 0u) | (static_cast<std::uint32_t>(value) << 16) | (lowBits & 0xFFFFu);
    return StepBack(next);
}

// How many draws lead from `from` to `to`; -1 if `to` is not reached within
// `limit` draws.
inline std::int64_t DrawsBetween(std::uint32_t from, std::uint32_t to, std::int64_t limit = 5'000'000)
{
    std::uint32_t state = from;
    for (std::int64_t n = 0; n <= limit; ++n) {
        if (state == to)
            return n;
        state = Step(state);
    }
    return -1;
}

}  // namespace reference
