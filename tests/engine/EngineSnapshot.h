#pragma once
// A copy of everything the engine holds, taken at one moment, so that tests
// can compare the state before and after a press, or read it in a process
// other than the one that produced it.

#include "Simulation.h"

#include <array>
#include <cstdint>
#include <vector>

// One plane, column by column as the engine keeps it.
template <typename T>
struct PlaneCopy {
    std::int32_t height = 0;
    std::vector<T> values;  // [x * height + y]

    T at(std::int32_t x, std::int32_t y) const { return values[static_cast<std::size_t>(x) * height + y]; }
    bool operator==(const PlaneCopy&) const = default;
};

struct EngineSnapshot {
    std::int32_t frameWidth = 0;
    std::int32_t frameHeight = 0;
    PlaneCopy<std::int32_t> raw, display, sky, star, bias;
    PlaneCopy<double> darkMap, darkFrame, calibrationDark;
    std::int32_t exposureTime = 0;
    std::int32_t ccdTemperature = 0;
    std::int32_t skyMagnitude = 0;
    std::int32_t darkPending = 0;
    std::int32_t minLevel = 0;
    std::uint32_t randomState = 0;
    std::array<std::int32_t, StarCount> starX{};
    std::array<std::int32_t, StarCount> starY{};
    std::array<double, StarCount> starFlux{};
    std::array<std::array<double, PsfSize>, PsfSize> psf{};  // [PsfRadius + dx][PsfRadius + dy]

    // The profile entry at offsets dx, dy (-PsfRadius..PsfRadius).
    double Psf(std::int32_t dx, std::int32_t dy) const { return psf[PsfRadius + dx][PsfRadius + dy]; }
};

// Copies the engine's state in this process. The planes must exist.
EngineSnapshot CaptureEngine();

// Flattens a snapshot into bytes and back, to send it between processes.
std::vector<char> Serialize(const EngineSnapshot& snapshot);
EngineSnapshot Deserialize(const char*& cursor, const char* end);
