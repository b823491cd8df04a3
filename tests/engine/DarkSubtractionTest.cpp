// Dark processing: once per exposure, its draws, the new bias frame that
// stays, the subtraction, and what changed settings do to hot pixels.

#include "FrameLaws.h"
#include "FreshEngine.h"
#include "Random.h"
#include "SensorNoise.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Everything an ignored press must leave as it was.
void ExpectUnchanged(const EngineSnapshot& before, const EngineSnapshot& after)
{
    EXPECT_EQ(before.randomState, after.randomState);
    EXPECT_EQ(before.exposureTime, after.exposureTime);
    EXPECT_EQ(before.ccdTemperature, after.ccdTemperature);
    EXPECT_EQ(before.skyMagnitude, after.skyMagnitude);
    EXPECT_EQ(before.darkPending, after.darkPending);
    EXPECT_EQ(before.minLevel, after.minLevel);
    EXPECT_TRUE(SamePlane(before.raw, after.raw));
    EXPECT_TRUE(SamePlane(before.display, after.display));
    EXPECT_TRUE(SamePlane(before.bias, after.bias));
    EXPECT_TRUE(SamePlane(before.calibrationDark, after.calibrationDark));
}

TEST(DarkSubtraction, BeforeAnyStartNothingHappens)
{
    const auto s = PlayFromLaunch({Dark(1000, 20, 0)});
    ExpectUnchanged(s.at(0), s.at(1));
    EXPECT_EQ(s.at(1).darkPending, 0);
}

TEST(DarkSubtraction, StartThenDarkAtTheDefaults)
{
    const auto s = PlayFromLaunch({Start(300, -10, 4), Dark(300, -10, 4), Dark(300, -10, 4)});
    const EngineSnapshot& exposed = s.at(1);
    const EngineSnapshot& corrected = s.at(2);
    EXPECT_EQ(DrawsBetween(exposed, corrected), 960'000);
    EXPECT_EQ(corrected.darkPending, 0);

    const std::int32_t bias[] = {1006, 1010, 1009, 991, 1018};
    const std::int32_t raw[] = {7558, 7559, 7634, 7485, 7467};
    const std::int32_t grey[] = {57, 57, 74, 40, 36};
    for (std::int32_t y = 0; y < 5; ++y) {
        EXPECT_EQ(corrected.bias.at(0, y), bias[y]) << "BiasFrame[0][" << y << "]";
        EXPECT_EQ(corrected.raw.at(0, y), raw[y]) << "RawFrame[0][" << y << "]";
        EXPECT_EQ(corrected.display.at(0, y), grey[y]) << "DisplayFrame[0][" << y << "]";
    }
    EXPECT_EQ(corrected.minLevel, 7307);
    EXPECT_TRUE(RawFrameIsDarkSubtracted(exposed.raw, corrected));
    EXPECT_TRUE(StretchFollowsRawFrame(corrected));
    EXPECT_TRUE(AllWithin(corrected.bias, 957, 1042));
    // The parts of the exposure stay as they were.
    EXPECT_TRUE(SamePlane(exposed.sky, corrected.sky));
    EXPECT_TRUE(SamePlane(exposed.star, corrected.star));
    EXPECT_TRUE(SamePlane(exposed.darkFrame, corrected.darkFrame));

    // A second press after the same exposure does nothing at all.
    ExpectUnchanged(corrected, s.at(3));
}

TEST(DarkSubtraction, CalibrationDarkThenBiasInDrawOrder)
{
    // Dark at other settings than the exposure: the calibration dark follows
    // the press's own time and temperature. Its 240,000 deviates come first,
    // then the 240,000 of the new bias frame.
    const auto s = PlayFromLaunch({Start(300, -10, 4), Dark(700, 5, 2)});
    const EngineSnapshot& exposed = s.at(1);
    const EngineSnapshot& corrected = s.at(2);
    EXPECT_EQ(corrected.exposureTime, 700);
    EXPECT_EQ(corrected.ccdTemperature, 5);
    EXPECT_EQ(corrected.skyMagnitude, 2);

    RandomState = exposed.randomState;
    const double timesFactor = 700 * DarkFactor(5);
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y) {
            const double d = timesFactor * corrected.darkMap.at(x, y);
            ASSERT_EQ(corrected.calibrationDark.at(x, y), GaussianDeviate(d, std::sqrt(d)))
                << "CalibrationDark[" << x << "][" << y << "]";
        }
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y)
            ASSERT_EQ(corrected.bias.at(x, y), TowardZero(GaussianDeviate(1000.0, 10.0)))
                << "BiasFrame[" << x << "][" << y << "]";
    EXPECT_EQ(RandomState, corrected.randomState);
    EXPECT_TRUE(RawFrameIsDarkSubtracted(exposed.raw, corrected));
}

TEST(DarkSubtraction, ZeroSecondsLeaveTheDifferenceOfTwoBiasFrames)
{
    const auto s = PlayFromLaunch({Start(0, -10, 4), Dark(0, -10, 4)});
    const EngineSnapshot& launched = s.at(0);
    const EngineSnapshot& corrected = s.at(2);
    // The calibration deviates are all 0 but still drawn.
    EXPECT_EQ(DrawsBetween(s.at(1), corrected), 960'000);
    for (const double v : corrected.calibrationDark.values)
        ASSERT_EQ(v, 0.0);
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y)
            ASSERT_EQ(corrected.raw.at(x, y), launched.bias.at(x, y) - corrected.bias.at(x, y));
    const auto [lowest, highest] = std::minmax_element(corrected.raw.values.begin(), corrected.raw.values.end());
    EXPECT_EQ(*lowest, -62);
    EXPECT_EQ(*highest, 63);
    EXPECT_EQ(corrected.minLevel, -62);
    EXPECT_TRUE(StretchFollowsRawFrame(corrected));
}

TEST(DarkSubtraction, NegativeResultsAreCutTowardZero)
{
    // An exposure of 0 s corrected with a dark of 300 s: the calibration dark
    // (reals with fractions) exceeds what the frame holds, so most results
    // are negative and each loses its fraction upward.
    const auto s = PlayFromLaunch({Start(0, -10, 4), Dark(300, -10, 4)});
    const EngineSnapshot& corrected = s.at(2);
    EXPECT_TRUE(RawFrameIsDarkSubtracted(s.at(1).raw, corrected));
    std::int32_t upward = 0;
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y) {
            const double exact = (s.at(1).raw.at(x, y) - corrected.bias.at(x, y)) - corrected.calibrationDark.at(x, y);
            if (exact < 0 && exact != std::floor(exact))
                upward += corrected.raw.at(x, y) == static_cast<std::int32_t>(std::floor(exact)) + 1;
        }
    EXPECT_GT(upward, 100000);
    EXPECT_LT(corrected.minLevel, 0);
}

TEST(DarkSubtraction, LaterStartsCarryTheNewBiasFrame)
{
    const auto s = PlayFromLaunch({Start(0, -10, 4), Dark(0, -10, 4), Start(0, -10, 4)});
    EXPECT_FALSE(SamePlane(s.at(0).bias, s.at(2).bias));
    EXPECT_TRUE(SamePlane(s.at(2).bias, s.at(3).raw));
    EXPECT_EQ(s.at(3).darkPending, 1);
}

// Mean raw value of the pixels without star light whose dark rate lies in
// low..high.
double MeanRaw(const EngineSnapshot& s, double low, double high)
{
    double sum = 0.0;
    std::int64_t count = 0;
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y) {
            const double rate = s.darkMap.at(x, y);
            if (rate >= low && rate <= high && s.star.at(x, y) == 0) {
                sum += s.raw.at(x, y);
                ++count;
            }
        }
    return sum / static_cast<double>(count);
}

TEST(DarkSubtraction, HotPixelsVanishOnlyWhenTheSettingsMatch)
{
    // Hot pixels (rate 5..10) against cool ones (below 0.01). After an
    // exposure at 300 s and -10 degrees the hot ones stand some 700 counts
    // higher.
    const auto same = PlayFromLaunch({Start(300, -10, 4), Dark(300, -10, 4)});
    const double hotBefore = MeanRaw(same.at(1), 5, 10) - MeanRaw(same.at(1), 0, 0.01);
    EXPECT_GT(hotBefore, 500);
    // Same settings: the dark means cancel, noise is all that is left.
    EXPECT_NEAR(MeanRaw(same.at(2), 5, 10) - MeanRaw(same.at(2), 0, 0.01), 0.0, 5.0);

    // A larger time x factor at the dark press turns them into dark spots.
    const auto warmer = PlayFromLaunch({Start(300, -10, 4), Dark(1000, 20, 4)});
    EXPECT_LT(MeanRaw(warmer.at(2), 5, 10) - MeanRaw(warmer.at(2), 0, 0.01), -10000);
    EXPECT_TRUE(StretchFollowsRawFrame(warmer.at(2)));

    // A smaller one leaves them bright.
    const auto colder = PlayFromLaunch({Start(300, -10, 4), Dark(100, -30, 4)});
    EXPECT_GT(MeanRaw(colder.at(2), 5, 10) - MeanRaw(colder.at(2), 0, 0.01), 400);
}

}  // namespace
