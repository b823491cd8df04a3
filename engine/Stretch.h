#pragma once

#include "Planes.h"

#include <cstdint>

// Maps RawFrame to grey levels 0..255 in DisplayFrame: black at the lowest
// raw value (never above 100000, kept in MinLevel), with a gain of
// 80 / (ExposureTime + 50). Draws nothing.
void StretchForDisplay();

// Raises every value below `low` to `low`, then lowers every value of `high`
// or more to `high`, over `columns` x `rows` of `plane`.
void ClampPlane(std::int32_t low, std::int32_t high, std::int32_t columns, std::int32_t rows, IntPlane& plane);
