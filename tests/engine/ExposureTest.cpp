// One exposure: the sky and dark laws and the draws they take, the star
// light through the profile (frame edges included), and the sum into the
// raw frame.

#include "FrameLaws.h"
#include "FreshEngine.h"
#include "Random.h"
#include "SensorNoise.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

namespace {

TEST(Exposure, FirstStartAtTheDefaults)
{
    const auto s = PlayFromLaunch({Start(300, -10, 4)});
    const EngineSnapshot& launched = s.at(0);
    const EngineSnapshot& exposed = s.at(1);
    EXPECT_EQ(DrawsBetween(launched, exposed), 960'000);
    EXPECT_EQ(exposed.darkPending, 1);
    const std::int32_t firstColumn[] = {8565, 8788, 8662, 8477, 8486};
    for (std::int32_t y = 0; y < 5; ++y) {
        EXPECT_EQ(exposed.raw.at(0, y), firstColumn[y]) << "RawFrame[0][" << y << "]";
        EXPECT_EQ(exposed.star.at(0, y), 0) << "StarFrame[0][" << y << "]";
    }
    EXPECT_TRUE(RawFrameIsSumOfParts(exposed));
    EXPECT_TRUE(SamePlane(launched.bias, exposed.bias));
    for (std::int32_t y = 0; y < 400; ++y)
        ASSERT_EQ(exposed.star.at(599, y), 0) << "column 599 never gets star light, row " << y;
}

TEST(Exposure, ZeroSecondsGiveTheBiasFrameAndStillDraw)
{
    for (const Press press : {Start(0, -10, 4), Start(0, 20, 0)}) {
        const auto s = PlayFromLaunch({press});
        const EngineSnapshot& exposed = s.at(1);
        EXPECT_EQ(DrawsBetween(s.at(0), exposed), 960'000);
        EXPECT_TRUE(AllWithin(exposed.sky, 0, 0));
        EXPECT_TRUE(AllWithin(exposed.star, 0, 0));
        for (const double v : exposed.darkFrame.values)
            ASSERT_EQ(v, 0.0);
        EXPECT_TRUE(SamePlane(s.at(0).bias, exposed.raw));
    }
}

TEST(Exposure, DarkFactor)
{
    struct Case {
        std::int32_t temperature;
        double expected;
        double tolerance;
    };
    for (const Case& c : {Case{-50, 0.0031004, 5e-8}, Case{-10, 0.31498, 5e-6}, Case{20, 10.0794, 5e-5}})
        EXPECT_NEAR(DarkFactor(c.temperature), c.expected, c.tolerance) << c.temperature << " degrees";
    EXPECT_EQ(DarkFactor(0), 1.0);
    EXPECT_EQ(DarkFactor(6), 2.0);
    EXPECT_EQ(DarkFactor(-12), 0.25);
    // The exponent is the double nearest to T / 6; a multiplication by a
    // rounded 1/6 differs in the last bit for a third of the temperatures.
    for (std::int32_t t = -50; t <= 20; ++t)
        EXPECT_EQ(DarkFactor(t), std::pow(2.0, t / 6.0)) << t << " degrees";
}

// Each exposure is checked pixel by pixel against the normal deviates of
// the stream that follows the set-up, drawn again here in the test process:
// first 240,000 for the sky, then 240,000 for the dark signal, x outer and
// y inner.
struct ExposureCase {
    Press press;
    double skyLevel;  // expected sky level in counts, to 1e-4
};

void PrintTo(const ExposureCase& c, std::ostream* out)
{
    *out << "start=" << c.press.at.exposureTime << ',' << c.press.at.ccdTemperature << ',' << c.press.at.skyMagnitude;
}

class ExposureLaws : public ::testing::TestWithParam<ExposureCase> {};

TEST_P(ExposureLaws, SkyAndDarkFollowTheirLawsInDrawOrder)
{
    const ExposureCase& c = GetParam();
    const auto s = PlayFromLaunch({c.press});
    const EngineSnapshot& exposed = s.at(1);
    EXPECT_EQ(DrawsBetween(s.at(0), exposed), 960'000);

    RandomState = s.at(0).randomState;
    // The sky's sigma is half the square root of its level. The level is
    // known to 1e-4, so the truncation is checked with that much slack.
    const double level = c.skyLevel;
    const double noise = 0.5 * std::sqrt(level);
    const double slack = 1e-3;
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y) {
            const double expected = level + noise * GaussianDeviate(0.0, 1.0);
            const std::int32_t sky = exposed.sky.at(x, y);
            ASSERT_TRUE(sky >= TowardZero(expected - slack) && sky <= TowardZero(expected + slack))
                << "SkyFrame[" << x << "][" << y << "] = " << sky << ", expected trunc(" << expected << ")";
        }

    const double timesFactor = c.press.at.exposureTime * DarkFactor(c.press.at.ccdTemperature);
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y) {
            const double d = timesFactor * exposed.darkMap.at(x, y);
            const double expected = GaussianDeviate(d, std::sqrt(d));
            ASSERT_EQ(exposed.darkFrame.at(x, y), expected) << "DarkFrame[" << x << "][" << y << "]";
        }
    EXPECT_EQ(RandomState, exposed.randomState);
    EXPECT_TRUE(RawFrameIsSumOfParts(exposed));
}

// Sky levels at 300 s: 300000 at magnitude 0, 7536.9366 at 4, 189.3514 at 8
// (0.63117 counts per second); at 2 s and magnitude 8 some deviates fall
// below zero.
INSTANTIATE_TEST_SUITE_P(Settings, ExposureLaws,
                         ::testing::Values(ExposureCase{Start(300, -10, 4), 7536.9366},
                                           ExposureCase{Start(300, 20, 0), 300000.0},
                                           ExposureCase{Start(300, -50, 8), 189.3514},
                                           ExposureCase{Start(2, -10, 8), 189.3514 * 2 / 300},
                                           ExposureCase{Start(1000, 20, 0), 1000000.0}));

TEST(Exposure, FaintSkyDeviatesAreCutTowardZero)
{
    // Level 1.26 counts with a sigma of 0.56: deviates reach down to -1.15.
    const auto s = PlayFromLaunch({Start(2, -10, 8)});
    const EngineSnapshot& exposed = s.at(1);
    RandomState = s.at(0).randomState;
    const double level = 189.3514 * 2 / 300;
    int minusOne = 0;
    int smallNegativeToZero = 0;
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y) {
            const double expected = level + 0.5 * std::sqrt(level) * GaussianDeviate(0.0, 1.0);
            const std::int32_t sky = exposed.sky.at(x, y);
            if (expected < -1.01)
                minusOne += sky == -1;
            else if (expected < -0.01 && expected > -0.99)
                smallNegativeToZero += sky == 0;
        }
    EXPECT_GT(minusOne, 0);
    EXPECT_GT(smallNegativeToZero, 0);
    EXPECT_TRUE(AllWithin(exposed.sky, -1, 4));
}

// Stars put where the frame's edges matter, each with its own brightness;
// all others dark. Returns the snapshot after one Start at `exposure`.
struct PlacedStar {
    std::int32_t x;
    std::int32_t y;
    double flux;
};

EngineSnapshot ExposeStars(const std::vector<PlacedStar>& stars, std::int32_t exposure)
{
    const auto s = RunInFreshProcess([&](SnapshotSink& sink) {
        StartRandomSource();
        SetUpSimulation();
        for (std::int32_t k = 0; k < StarCount; ++k)
            StarFlux[k] = 0.0;
        for (std::size_t k = 0; k < stars.size(); ++k) {
            StarX[k] = stars[k].x;
            StarY[k] = stars[k].y;
            StarFlux[k] = stars[k].flux;
        }
        PressStart({exposure, -10, 4});
        sink.Take();
    });
    return s.at(0);
}

TEST(ExposureStars, SquaresReachTheEdgesAndAreCutAtTheBottom)
{
    const std::int32_t exposure = 1000;
    const std::vector<PlacedStar> stars = {
        {10, 10, 4.0},    // reaches column 0 and row 0
        {588, 200, 0.5},  // reaches column 598, never 599
        {100, 389, 2.0},  // the last row of its square is row 399
        {150, 390, 2.0},  // its lowest row would be 400
        {200, 395, 2.0},
        {250, 409, 2.0},  // only its top row lies in the frame
        {300, 410, 9.0},  // wholly below the frame
        {350, 488, 9.0},
    };
    const EngineSnapshot exposed = ExposeStars(stars, exposure);

    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> expected;
    for (const PlacedStar& star : stars)
        for (std::int32_t dx = -10; dx <= 10; ++dx)
            for (std::int32_t dy = -10; dy <= 10; ++dy)
                if (star.y + dy < 400) {
                    std::int32_t& v = expected[{star.x + dx, star.y + dy}];
                    v = TowardZero(v + exposure * star.flux * exposed.Psf(dx, dy));
                }
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y) {
            const auto found = expected.find({x, y});
            const std::int32_t want = found == expected.end() ? 0 : found->second;
            ASSERT_EQ(exposed.star.at(x, y), want) << "StarFrame[" << x << "][" << y << "]";
        }
    EXPECT_EQ(exposed.star.at(0, 0), 2);  // 4000 x 30 / 40003 = 2.9998
    EXPECT_EQ(exposed.star.at(0, 10), 11);  // 4000 x 30 / 10003 = 11.996
    EXPECT_GT(exposed.star.at(598, 200), 0);
    EXPECT_EQ(exposed.star.at(250, 399), TowardZero(2000 * exposed.Psf(0, -10)));
    EXPECT_TRUE(RawFrameIsSumOfParts(exposed));
}

TEST(ExposureStars, EveryAdditionLosesItsFraction)
{
    // Two stars on one centre, each worth 0.6 counts in the corners of the
    // square: the corners stay 0 instead of becoming 1.
    const double flux = 0.6 / (1000 * (30.0 / 40003));
    const EngineSnapshot exposed = ExposeStars({{300, 200, flux}, {300, 200, flux}}, 1000);
    EXPECT_EQ(exposed.star.at(290, 190), 0);
    EXPECT_EQ(exposed.star.at(310, 210), 0);
    // At the centre each star adds trunc(8000.86...) = 8000.
    EXPECT_EQ(exposed.star.at(300, 200), 2 * TowardZero(1000 * flux * 10.0));
    EXPECT_TRUE(RawFrameIsSumOfParts(exposed));
}

TEST(Exposure, TwoStartsInARow)
{
    const auto s = PlayFromLaunch({Start(300, -10, 4), Start(300, -10, 4)});
    const EngineSnapshot& first = s.at(1);
    const EngineSnapshot& second = s.at(2);
    EXPECT_EQ(DrawsBetween(first, second), 960'000);
    EXPECT_EQ(second.darkPending, 1);
    // Same stars and bias pattern, fresh sky and dark noise.
    EXPECT_TRUE(SamePlane(first.star, second.star));
    EXPECT_TRUE(SamePlane(first.bias, second.bias));
    EXPECT_FALSE(SamePlane(first.sky, second.sky));
    EXPECT_FALSE(SamePlane(first.darkFrame, second.darkFrame));
    EXPECT_TRUE(RawFrameIsSumOfParts(second));
}

}  // namespace
