// The display stretch: black point, gain, clipping, and ClampPlane.

#include "FrameLaws.h"
#include "FreshEngine.h"
#include "Random.h"
#include "Simulation.h"
#include "Stretch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace {

std::int32_t Lowest(const PlaneCopy<std::int32_t>& plane)
{
    return *std::min_element(plane.values.begin(), plane.values.end());
}

std::int32_t Highest(const PlaneCopy<std::int32_t>& plane)
{
    return *std::max_element(plane.values.begin(), plane.values.end());
}

TEST(Stretch, FirstStartAtTheDefaults)
{
    const EngineSnapshot s = PlayFromLaunch({Start(300, -10, 4)}).at(1);
    EXPECT_EQ(s.minLevel, 8347);
    // [0][2] lies 315 counts above the black point: 80 x 315 / 350 is
    // exactly 72 and must not come out as 71.
    const std::int32_t firstColumn[] = {49, 100, 72, 29, 31};
    for (std::int32_t y = 0; y < 5; ++y)
        EXPECT_EQ(s.display.at(0, y), firstColumn[y]) << "DisplayFrame[0][" << y << "]";
    EXPECT_TRUE(StretchFollowsRawFrame(s));
    EXPECT_EQ(Lowest(s.display), 0);
    EXPECT_EQ(Highest(s.display), 255);  // stars and hot pixels saturate
}

TEST(Stretch, ZeroSecondsShowTheBiasFrame)
{
    const EngineSnapshot s = PlayFromLaunch({Start(0, -10, 4)}).at(1);
    EXPECT_EQ(s.minLevel, 959);
    EXPECT_EQ(Lowest(s.display), 0);
    EXPECT_EQ(Highest(s.display), 132);
    EXPECT_TRUE(StretchFollowsRawFrame(s));
}

TEST(Stretch, BlackPointNeverAbove100000)
{
    // Magnitude 1 at 300 s: a sky of about 119437 counts, all white.
    const EngineSnapshot bright = PlayFromLaunch({Start(300, -10, 1)}).at(1);
    EXPECT_EQ(bright.minLevel, 100000);
    EXPECT_GT(Lowest(bright.raw), 119000);
    EXPECT_TRUE(AllWithin(bright.display, 255, 255));

    // At 252 s the lowest pixel lies only some 650 counts above 100000, so
    // measuring from 100000 rather than from the frame's lowest value shows:
    // no pixel is black.
    const EngineSnapshot justAbove = PlayFromLaunch({Start(252, -50, 1)}).at(1);
    EXPECT_EQ(justAbove.minLevel, 100000);
    EXPECT_GT(Lowest(justAbove.raw), 100000);
    EXPECT_GT(Lowest(justAbove.display), 0);
    EXPECT_LT(Lowest(justAbove.display), 255);
    EXPECT_TRUE(StretchFollowsRawFrame(justAbove));
}

TEST(Stretch, GainFollowsTheExposureTimeOfTheLastPress)
{
    // The dark press at 0 s stretches with 80 / 50, not with the exposure's
    // 80 / 350.
    const EngineSnapshot s = PlayFromLaunch({Start(300, -10, 4), Dark(0, -10, 4)}).at(2);
    EXPECT_EQ(s.exposureTime, 0);
    EXPECT_LT(s.minLevel, 8347);
    EXPECT_TRUE(StretchFollowsRawFrame(s));
}

// Raw frames made up in one child, one per item of `frames` and each
// stretched at its exposure time: every pixel `base` + 2000 except the first
// ones of column 0, which hold `base` + each difference. The first
// difference is 0, so the black point is `base` unless that is above 100000.
struct MadeUpFrame {
    std::int32_t exposure;
    std::vector<std::int32_t> differences;
};

std::vector<EngineSnapshot> StretchMadeUpFrames(std::int32_t base, const std::vector<MadeUpFrame>& frames)
{
    return RunInFreshProcess([&](SnapshotSink& sink) {
        StartRandomSource();
        SetUpSimulation();
        for (const MadeUpFrame& frame : frames) {
            for (std::int32_t x = 0; x < FrameWidth; ++x)
                for (std::int32_t y = 0; y < FrameHeight; ++y)
                    RawFrame[x][y] = base + 2000;
            for (std::size_t i = 0; i < frame.differences.size(); ++i)
                RawFrame[0][i] = base + frame.differences[i];
            ExposureTime = frame.exposure;
            StretchForDisplay();
            sink.Take();
        }
    });
}

TEST(Stretch, WhitePointAndWholeNumberProducts)
{
    struct Case {
        std::int32_t exposure;
        std::int32_t difference;
        std::int32_t grey;
    };
    // White from 255 / g counts on: 160 at 0 s, 1116 at 300 s, 3347 at
    // 1000 s. Products that are whole numbers keep their value, also at the
    // times whose rounded gain 80 / (E + 50) lies below the exact one (27,
    // 72, 104, 106 s), where a real product would come out one lower.
    const Case cases[] = {
        {0, 0, 0},       {0, 5, 8},       {0, 159, 254},    {0, 160, 255},    {0, 1000, 255},
        {300, 315, 72},  {300, 35, 8},    {300, 1115, 254}, {300, 1116, 255}, {300, 4, 0},
        {300, 5, 1},     {1000, 105, 8},  {1000, 3346, 254}, {1000, 3347, 255}, {1000, 13, 0},
        {1000, 14, 1},   {1, 51, 80},     {50, 100, 80},    {27, 77, 80},     {27, 231, 240},
        {72, 183, 120},  {104, 77, 40},   {106, 117, 60},   {106, 390, 200},
    };
    std::vector<MadeUpFrame> frames;
    std::vector<std::vector<std::int32_t>> greys;
    for (const std::int32_t exposure : {0, 1, 27, 50, 72, 104, 106, 300, 1000}) {
        frames.push_back({exposure, {0}});
        greys.push_back({0});
        for (const Case& c : cases)
            if (c.exposure == exposure) {
                frames.back().differences.push_back(c.difference);
                greys.back().push_back(c.grey);
            }
    }
    for (const std::int32_t base : {7000, -62, 99000}) {
        const auto snapshots = StretchMadeUpFrames(base, frames);
        ASSERT_EQ(snapshots.size(), frames.size());
        for (std::size_t f = 0; f < frames.size(); ++f) {
            const EngineSnapshot& s = snapshots[f];
            EXPECT_EQ(s.minLevel, base);
            for (std::size_t i = 0; i < greys[f].size(); ++i)
                EXPECT_EQ(s.display.at(0, static_cast<std::int32_t>(i)), greys[f][i])
                    << frames[f].differences[i] << " counts above the black point " << base << " at "
                    << frames[f].exposure << " s";
            EXPECT_TRUE(StretchFollowsRawFrame(s));
        }
    }
}

TEST(Stretch, FrameAtOrAbove100000IsMeasuredFrom100000)
{
    // Lowest value 100500: the black point stays 100000.
    const EngineSnapshot s = StretchMadeUpFrames(100500, {{300, {0, 300}}}).at(0);
    EXPECT_EQ(s.minLevel, 100000);
    EXPECT_EQ(s.display.at(0, 0), 80 * 500 / 350);
    EXPECT_EQ(s.display.at(0, 1), 80 * 800 / 350);
    EXPECT_EQ(s.display.at(5, 5), 255);
    EXPECT_TRUE(StretchFollowsRawFrame(s));
}

// ClampPlane over a small plane of its own: it needs no engine state.
class ClampPlaneTest : public ::testing::Test {
protected:
    // A plane of `columns` x `rows`, column x holding the values of row
    // x of `values`.
    void Fill(const std::vector<std::vector<std::int32_t>>& values)
    {
        storage = values;
        pointers.clear();
        for (auto& column : storage)
            pointers.push_back(column.data());
        plane = pointers.data();
    }
    std::vector<std::vector<std::int32_t>> storage;
    std::vector<std::int32_t*> pointers;
    IntPlane plane = nullptr;
};

TEST_F(ClampPlaneTest, ClipsToTheGreyRange)
{
    struct Case {
        std::int32_t value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {INT_MIN, 0}, {-5, 0}, {-1, 0},     {0, 0},         {1, 1},   {128, 128},
        {254, 254},   {255, 255}, {256, 255}, {100000, 255}, {INT_MAX, 255},
    };
    std::vector<std::int32_t> column;
    for (const Case& c : cases)
        column.push_back(c.value);
    Fill({column});
    ClampPlane(0, 255, 1, static_cast<std::int32_t>(column.size()), plane);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(storage[0][i], cases[i].expected) << "from " << cases[i].value;
}

TEST_F(ClampPlaneTest, TouchesOnlyTheGivenColumnsAndRows)
{
    Fill({{-1, 300, -1}, {-1, 300, -1}, {-1, 300, -1}});
    ClampPlane(0, 255, 2, 2, plane);
    const std::vector<std::vector<std::int32_t>> expected = {{0, 255, -1}, {0, 255, -1}, {-1, 300, -1}};
    EXPECT_EQ(storage, expected);
}

TEST_F(ClampPlaneTest, HighIsTestedAfterLow)
{
    // With bounds the wrong way round, a value raised to `low` is then
    // lowered to `high`.
    Fill({{5, 25, 40}});
    ClampPlane(30, 20, 1, 3, plane);
    const std::vector<std::int32_t> expected = {20, 20, 20};
    EXPECT_EQ(storage[0], expected);
}

}  // namespace
