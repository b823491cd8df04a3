#pragma once
// The two buttons of the main window as engine calls, for every caller that
// plays presses without a window (the replay tool, tests, benchmarks) and for
// the window itself.

#include <cstdint>

// The three slider positions at the moment of a press.
struct SliderPositions {
    std::int32_t exposureTime;    // 0..1000 s
    std::int32_t ccdTemperature;  // -50..20 degrees C
    std::int32_t skyMagnitude;    // 0..8
};

// Start: copies the positions, synthesises an exposure and stretches it.
void PressStart(const SliderPositions& at);

// Dark processing: with no exposure pending, does nothing at all and returns
// false; otherwise copies the positions, subtracts a dark, stretches the
// result and returns true.
bool PressDark(const SliderPositions& at);
