// The one-time set-up: what every plane holds right after the launch, the
// seeded bias frame, star list, star profile and dark map, and the draws
// it takes.

#include "FrameLaws.h"
#include "FreshEngine.h"
#include "Random.h"
#include "ReferenceRandom.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

class SetUp : public ::testing::Test {
protected:
    static void SetUpTestSuite() { launched = new EngineSnapshot(PlayFromLaunch({}).at(0)); }
    static void TearDownTestSuite()
    {
        delete launched;
        launched = nullptr;
    }
    static const EngineSnapshot& Launched() { return *launched; }

private:
    static inline EngineSnapshot* launched = nullptr;
};

TEST_F(SetUp, TakesExactly726000Draws)
{
    EXPECT_EQ(reference::DrawsBetween(reference::LaunchState, Launched().randomState), 726'000);
}

TEST_F(SetUp, LeavesTheFramesEmptyAndTheDefaultsSet)
{
    const EngineSnapshot& s = Launched();
    EXPECT_EQ(s.frameWidth, 600);
    EXPECT_EQ(s.frameHeight, 400);
    EXPECT_EQ(s.exposureTime, 300);
    EXPECT_EQ(s.ccdTemperature, -10);
    EXPECT_EQ(s.skyMagnitude, 4);
    EXPECT_EQ(s.darkPending, 0);
    EXPECT_EQ(s.minLevel, 0);
    for (const auto* plane : {&s.raw, &s.display, &s.sky, &s.star}) {
        ASSERT_EQ(plane->values.size(), 240'000u);
        EXPECT_TRUE(AllWithin(*plane, 0, 0));
    }
    for (const auto* plane : {&s.darkFrame, &s.calibrationDark}) {
        ASSERT_EQ(plane->values.size(), 240'000u);
        for (const double v : plane->values)
            ASSERT_TRUE(v == 0.0 && !std::signbit(v)) << v;
    }
}

TEST_F(SetUp, BiasFrame)
{
    const EngineSnapshot& s = Launched();
    const std::int32_t firstColumn[] = {1028, 1020, 995, 982, 1003};
    for (std::int32_t y = 0; y < 5; ++y)
        EXPECT_EQ(s.bias.at(0, y), firstColumn[y]) << "BiasFrame[0][" << y << "]";
    // No deviate lies further than 42.92 from 1000.
    EXPECT_TRUE(AllWithin(s.bias, 957, 1042));
}

TEST_F(SetUp, FirstStarsOfTheList)
{
    const EngineSnapshot& s = Launched();
    EXPECT_EQ(s.starX[0], 297);
    EXPECT_EQ(s.starY[0], 383);
    EXPECT_NEAR(s.starFlux[0], 4.063434, 1e-6);
    EXPECT_EQ(s.starX[1], 159);
    EXPECT_EQ(s.starY[1], 94);
    EXPECT_NEAR(s.starFlux[1], 0.662108, 1e-6);
    EXPECT_EQ(s.starX[2], 416);
    EXPECT_EQ(s.starY[2], 488);  // the lowest possible row: wholly below the frame
}

TEST_F(SetUp, EveryStarWithinItsRanges)
{
    const EngineSnapshot& s = Launched();
    for (std::int32_t i = 0; i < StarCount; ++i) {
        EXPECT_TRUE(s.starX[i] >= 10 && s.starX[i] <= 588) << "StarX[" << i << "] = " << s.starX[i];
        EXPECT_TRUE(s.starY[i] >= 10 && s.starY[i] <= 488) << "StarY[" << i << "] = " << s.starY[i];
        EXPECT_TRUE(s.starFlux[i] > 0 && s.starFlux[i] < 10) << "StarFlux[" << i << "] = " << s.starFlux[i];
    }
}

// Star 0's column is the 480,001st draw of the set-up (after the bias
// frame) and its row the 480,002nd. Placing the stream so that one of them
// is 0 or 32767 shows the ends of the centre formulas.
TEST(SetUpStarCentres, ExtremeDrawsGiveTheEndsOfTheRanges)
{
    struct Case {
        std::int32_t drawsBefore;  // set-up draws before the one chosen
        std::int32_t draw;
        std::int32_t expected;
        bool column;
    };
    const Case cases[] = {
        {480'000, 0, 10, true},
        {480'000, 32767, 588, true},
        {480'001, 0, 10, false},
        {480'001, 32767, 488, false},
    };
    for (const Case& c : cases) {
        const auto snapshots = RunInFreshProcess([&](SnapshotSink& sink) {
            StartRandomSource();
            RandomState = reference::StepBack(reference::StateBeforeDraw(c.draw), c.drawsBefore);
            SetUpSimulation();
            sink.Take();
        });
        const EngineSnapshot& s = snapshots.at(0);
        EXPECT_EQ(c.column ? s.starX[0] : s.starY[0], c.expected)
            << (c.column ? "StarX" : "StarY") << " from a draw of " << c.draw;
    }
}

TEST_F(SetUp, StarProfileValues)
{
    const EngineSnapshot& s = Launched();
    EXPECT_EQ(s.Psf(0, 0), 10.0);
    struct Case {
        std::int32_t dx;
        std::int32_t dy;
        double expected;  // each entry is the double nearest to 30 / (q + 3)
    };
    const Case cases[] = {
        {1, 0, 7.5},           {-1, 0, 7.5},           {0, 1, 7.5},           {0, -1, 7.5},
        {1, 1, 30.0 / 7},      {-1, -1, 30.0 / 7},     {1, -1, 30.0 / 7},     {2, 0, 30.0 / 19},
        {0, -2, 30.0 / 19},    {10, 0, 30.0 / 10003},  {0, -10, 30.0 / 10003}, {10, 10, 30.0 / 40003},
        {-10, 10, 30.0 / 40003}, {-10, -10, 30.0 / 40003},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.Psf(c.dx, c.dy), c.expected) << "PsfTable[" << c.dx << "][" << c.dy << "]";
    EXPECT_NEAR(s.Psf(1, 1), 4.285714, 1e-6);
    EXPECT_NEAR(s.Psf(2, 0), 1.578947, 1e-6);
    EXPECT_NEAR(s.Psf(10, 0), 0.0029991, 1e-7);
    EXPECT_NEAR(s.Psf(10, 10), 0.00074994, 1e-8);
}

TEST_F(SetUp, StarProfileDependsOnlyOnTheDistance)
{
    const EngineSnapshot& s = Launched();
    double sum = 0.0;
    for (std::int32_t dx = -PsfRadius; dx <= PsfRadius; ++dx)
        for (std::int32_t dy = -PsfRadius; dy <= PsfRadius; ++dy) {
            const double v = s.Psf(dx, dy);
            sum += v;
            EXPECT_EQ(v, s.Psf(-dx, dy)) << dx << "," << dy;
            EXPECT_EQ(v, s.Psf(dx, -dy)) << dx << "," << dy;
            EXPECT_EQ(v, s.Psf(dy, dx)) << dx << "," << dy;
        }
    // Equal distances, different offsets: 3,4 and 0,5; 1,7 and 5,5.
    EXPECT_EQ(s.Psf(3, 4), s.Psf(0, 5));
    EXPECT_EQ(s.Psf(1, 7), s.Psf(5, 5));
    // It falls with the fourth power of the distance.
    EXPECT_EQ(s.Psf(0, 5), 30.0 / (625 + 3));
    EXPECT_NEAR(sum, 84.7749, 1e-4);
}

TEST_F(SetUp, DarkMap)
{
    const EngineSnapshot& s = Launched();
    EXPECT_NEAR(s.darkMap.at(0, 1), 2.25436, 1e-5);
    double lowest = 10.0;
    double highest = 0.0;
    for (const double v : s.darkMap.values) {
        lowest = std::min(lowest, v);
        highest = std::max(highest, v);
    }
    EXPECT_GT(lowest, 0.0);
    EXPECT_LT(highest, 10.0);
}

}  // namespace
