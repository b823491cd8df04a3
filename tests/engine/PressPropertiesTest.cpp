// Hundreds of presses at random slider positions, played one after the
// other on one set-up, each checked against what must hold after any press:
// its draws, the pending flag, the laws of the exposure, the subtraction
// and the stretch, and an ignored dark press changing nothing.

#include "FrameLaws.h"
#include "FreshEngine.h"
#include "Random.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

namespace {

// The engine is set up once in this process, as at the program's launch;
// every test of this file continues from where the previous one left it.
void LaunchOnce()
{
    static const bool launched = [] {
        StartRandomSource();
        SetUpSimulation();
        return true;
    }();
    (void)launched;
}

std::string Describe(const Press& press)
{
    std::ostringstream text;
    text << (press.button == Press::Button::Start ? "start=" : "dark=") << press.at.exposureTime << ","
         << press.at.ccdTemperature << "," << press.at.skyMagnitude;
    return text.str();
}

class RandomPresses {
public:
    explicit RandomPresses(std::uint32_t seed) : generator(seed) {}

    Press Next()
    {
        const bool start = Chance(0.5);
        const SliderPositions at = {Position(0, 1000), Position(-50, 20), Position(0, 8)};
        return {start ? Press::Button::Start : Press::Button::Dark, at};
    }

    std::int32_t Between(std::int32_t low, std::int32_t high)
    {
        return std::uniform_int_distribution<std::int32_t>(low, high)(generator);
    }

private:
    bool Chance(double p) { return std::bernoulli_distribution(p)(generator); }

    // Anywhere on the slider, with its two ends more often than chance
    // would give them.
    std::int32_t Position(std::int32_t low, std::int32_t high)
    {
        if (Chance(0.1))
            return Chance(0.5) ? low : high;
        return Between(low, high);
    }

    std::mt19937 generator;
};

// What must hold after `press`, given the state before it.
void CheckPress(const Press& press, bool acted, const EngineSnapshot& before, const EngineSnapshot& after)
{
    if (press.button == Press::Button::Dark && before.darkPending == 0) {
        EXPECT_FALSE(acted);
        EXPECT_EQ(DrawsBetween(before, after), 0);
        EXPECT_EQ(after.exposureTime, before.exposureTime);
        EXPECT_EQ(after.ccdTemperature, before.ccdTemperature);
        EXPECT_EQ(after.skyMagnitude, before.skyMagnitude);
        EXPECT_EQ(after.minLevel, before.minLevel);
        EXPECT_EQ(after.darkPending, 0);
        EXPECT_TRUE(SamePlane(before.raw, after.raw));
        EXPECT_TRUE(SamePlane(before.display, after.display));
        EXPECT_TRUE(SamePlane(before.bias, after.bias));
        EXPECT_TRUE(SamePlane(before.calibrationDark, after.calibrationDark));
        return;
    }

    EXPECT_EQ(DrawsBetween(before, after), 960'000);
    EXPECT_EQ(after.exposureTime, press.at.exposureTime);
    EXPECT_EQ(after.ccdTemperature, press.at.ccdTemperature);
    EXPECT_EQ(after.skyMagnitude, press.at.skyMagnitude);
    EXPECT_TRUE(StretchFollowsRawFrame(after));
    EXPECT_TRUE(AllWithin(after.display, 0, 255));
    // The parts no press of this kind may touch.
    EXPECT_TRUE(SamePlane(before.darkMap, after.darkMap));

    if (press.button == Press::Button::Start) {
        EXPECT_EQ(after.darkPending, 1);
        EXPECT_TRUE(SamePlane(before.bias, after.bias));
        EXPECT_TRUE(SamePlane(before.calibrationDark, after.calibrationDark));
        EXPECT_TRUE(RawFrameIsSumOfParts(after));
        EXPECT_TRUE(AllWithin(after.star, 0, INT_MAX));
        for (std::int32_t y = 0; y < after.frameHeight; ++y)
            ASSERT_EQ(after.star.at(599, y), 0) << "star light in column 599, row " << y;
    } else {
        EXPECT_TRUE(acted);
        EXPECT_EQ(after.darkPending, 0);
        EXPECT_TRUE(AllWithin(after.bias, 957, 1042));
        EXPECT_TRUE(RawFrameIsDarkSubtracted(before.raw, after));
        EXPECT_TRUE(SamePlane(before.sky, after.sky));
        EXPECT_TRUE(SamePlane(before.star, after.star));
        EXPECT_TRUE(SamePlane(before.darkFrame, after.darkFrame));
    }
}

// Each press costs 960,000 draws, some 30 ms under the sanitizers, and its
// checks as much again, so the default keeps the test near half a minute
// there. STARLOOM_PRESSES and STARLOOM_PRESS_SEED play longer or other runs.
int EnvironmentOr(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

TEST(PressProperties, RandomPressesKeepEveryLaw)
{
    LaunchOnce();
    const auto seed = static_cast<std::uint32_t>(EnvironmentOr("STARLOOM_PRESS_SEED", 20261211));
    const int count = EnvironmentOr("STARLOOM_PRESSES", 400);
    RandomPresses presses(seed);
    EngineSnapshot before = CaptureEngine();
    int started = 0;
    int subtracted = 0;
    int ignored = 0;
    for (int i = 0; i < count; ++i) {
        const Press press = presses.Next();
        SCOPED_TRACE("seed " + std::to_string(seed) + ", press " + std::to_string(i) + ": " + Describe(press));
        const bool pending = DarkPending == 1;
        const bool acted = press.button == Press::Button::Start ? (PressStart(press.at), true) : PressDark(press.at);
        EngineSnapshot after = CaptureEngine();
        CheckPress(press, acted, before, after);
        if (HasFailure())
            return;
        if (press.button == Press::Button::Start)
            ++started;
        else
            ++(pending ? subtracted : ignored);
        before = std::move(after);
    }
    // The run reached every kind of press.
    EXPECT_GT(started, 0);
    EXPECT_GT(subtracted, 0);
    EXPECT_GT(ignored, 0);
}

}  // namespace
