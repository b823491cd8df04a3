#pragma once
// What must hold between the planes of a snapshot after each kind of
// press, checked pixel by pixel. Each check names the first pixel that
// breaks it.

#include "EngineSnapshot.h"

#include <gtest/gtest.h>

#include <cstdint>

// The same values in every pixel.
template <typename T>
::testing::AssertionResult SamePlane(const PlaneCopy<T>& expected, const PlaneCopy<T>& actual)
{
    if (expected.values.size() != actual.values.size() || expected.height != actual.height)
        return ::testing::AssertionFailure() << "the planes differ in size";
    if (expected.values == actual.values)
        return ::testing::AssertionSuccess();
    for (std::size_t i = 0; i < expected.values.size(); ++i)
        if (!(expected.values[i] == actual.values[i]))
            return ::testing::AssertionFailure()
                   << "first difference at [" << i / expected.height << "][" << i % expected.height
                   << "]: expected " << expected.values[i] << ", got " << actual.values[i];
    return ::testing::AssertionSuccess();
}

// Every value of the plane lies in low..high.
::testing::AssertionResult AllWithin(const PlaneCopy<std::int32_t>& plane, std::int32_t low, std::int32_t high);

// The stretch: MinLevel is the lowest raw value but never above 100000, and
// every grey level is 80 * (raw - MinLevel) / (ExposureTime + 50), rounded
// toward zero, clipped to 0..255.
::testing::AssertionResult StretchFollowsRawFrame(const EngineSnapshot& s);

// An exposure: raw = trunc(((bias + sky) + stars) + dark).
::testing::AssertionResult RawFrameIsSumOfParts(const EngineSnapshot& s);

// A dark subtraction: raw = trunc((raw before - new bias) - calibration dark).
::testing::AssertionResult RawFrameIsDarkSubtracted(const PlaneCopy<std::int32_t>& rawBefore, const EngineSnapshot& s);

// The real value cut toward zero, as the engine converts reals.
std::int32_t TowardZero(double v);

// How many draws the engine's stream moved on from `before` to `after`;
// -1 when it did not get there within a few million.
std::int64_t DrawsBetween(const EngineSnapshot& before, const EngineSnapshot& after);
