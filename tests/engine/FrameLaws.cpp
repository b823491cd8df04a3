#include "FrameLaws.h"

#include "ReferenceRandom.h"

#include <algorithm>
#include <cmath>

namespace {

template <typename Expected>
::testing::AssertionResult EveryPixel(const EngineSnapshot& s, const PlaneCopy<std::int32_t>& actual, Expected expected)
{
    for (std::int32_t x = 0; x < s.frameWidth; ++x)
        for (std::int32_t y = 0; y < s.frameHeight; ++y) {
            const std::int64_t want = expected(x, y);
            if (actual.at(x, y) != want)
                return ::testing::AssertionFailure()
                       << "at [" << x << "][" << y << "]: expected " << want << ", got " << actual.at(x, y);
        }
    return ::testing::AssertionSuccess();
}

}  // namespace

std::int32_t TowardZero(double v)
{
    return static_cast<std::int32_t>(std::trunc(v));
}

::testing::AssertionResult AllWithin(const PlaneCopy<std::int32_t>& plane, std::int32_t low, std::int32_t high)
{
    for (std::size_t i = 0; i < plane.values.size(); ++i)
        if (plane.values[i] < low || plane.values[i] > high)
            return ::testing::AssertionFailure() << "value " << plane.values[i] << " at [" << i / plane.height << "]["
                                                 << i % plane.height << "] lies outside " << low << ".." << high;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult StretchFollowsRawFrame(const EngineSnapshot& s)
{
    const std::int32_t lowest = *std::min_element(s.raw.values.begin(), s.raw.values.end());
    const std::int32_t blackPoint = std::min(lowest, 100000);
    if (s.minLevel != blackPoint)
        return ::testing::AssertionFailure() << "MinLevel is " << s.minLevel << ", expected " << blackPoint;
    // Exact integers: 80 * difference / (E + 50) is the real product rounded
    // toward zero, without the doubt of a rounded gain at whole numbers.
    const std::int64_t divisor = std::int64_t{s.exposureTime} + 50;
    return EveryPixel(s, s.display, [&](std::int32_t x, std::int32_t y) {
        const std::int64_t grey = 80 * (std::int64_t{s.raw.at(x, y)} - s.minLevel) / divisor;
        return std::clamp<std::int64_t>(grey, 0, 255);
    });
}

::testing::AssertionResult RawFrameIsSumOfParts(const EngineSnapshot& s)
{
    return EveryPixel(s, s.raw, [&](std::int32_t x, std::int32_t y) {
        const std::int32_t counts = (s.bias.at(x, y) + s.sky.at(x, y)) + s.star.at(x, y);
        return TowardZero(counts + s.darkFrame.at(x, y));
    });
}

::testing::AssertionResult RawFrameIsDarkSubtracted(const PlaneCopy<std::int32_t>& rawBefore, const EngineSnapshot& s)
{
    return EveryPixel(s, s.raw, [&](std::int32_t x, std::int32_t y) {
        const std::int32_t counts = rawBefore.at(x, y) - s.bias.at(x, y);
        return TowardZero(counts - s.calibrationDark.at(x, y));
    });
}

std::int64_t DrawsBetween(const EngineSnapshot& before, const EngineSnapshot& after)
{
    return reference::DrawsBetween(before.randomState, after.randomState);
}
