// The random source: the stream the engine sees after the launch, the
// uniform draw's ends, the normal deviate and the truncation toward zero.
// These run in the test process: they use nothing of the engine but its
// generator, and each test puts the generator where it needs it.

#include "Random.h"
#include "ReferenceRandom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

TEST(RandomSource, LaunchSkipsTheFirstValueOfTheSequence)
{
    RandomState = 1;
    EXPECT_EQ(NextRandom(), 346);  // the value the launch throws away

    RandomState = 12345;  // whatever it held, the launch puts it back
    StartRandomSource();
    EXPECT_EQ(RandomState, 0x015A4E36u);
    const std::vector<std::int32_t> expected = {130, 10982, 1090, 11656, 7117, 17595, 6415, 22948, 31126, 9004};
    std::vector<std::int32_t> drawn;
    for (std::size_t i = 0; i < expected.size(); ++i)
        drawn.push_back(NextRandom());
    EXPECT_EQ(drawn, expected);
}

TEST(RandomSource, ReturnsBits16To30OfTheNewState)
{
    // Bit 31 of the new state set and the low bits all ones: neither may
    // leak into the value.
    RandomState = reference::StepBack(0xFFFFFFFFu);
    EXPECT_EQ(NextRandom(), 32767);
    EXPECT_EQ(RandomState, 0xFFFFFFFFu);
    RandomState = reference::StepBack(0x8000FFFFu);
    EXPECT_EQ(NextRandom(), 0);
}

TEST(RandomSource, UniformDrawEnds)
{
    RandomState = reference::StateBeforeDraw(0);
    EXPECT_EQ(UniformDraw(), 0.0001);
    RandomState = reference::StateBeforeDraw(32767);
    EXPECT_DOUBLE_EQ(UniformDraw(), 1.0001);
    RandomState = reference::StateBeforeDraw(1);
    EXPECT_DOUBLE_EQ(UniformDraw(), 1.0 / 32767 + 0.0001);
}

TEST(RandomSource, GaussianDeviateOnTheFirstTwoDraws)
{
    // The first draw (130) goes into the logarithm, the second (10982) into
    // the sine.
    StartRandomSource();
    const double u1 = UniformDraw() * 0.9999;
    const double u2 = UniformDraw() * 0.9999;
    EXPECT_NEAR(u1, 0.0040669995, 1e-10);
    EXPECT_NEAR(u2, 0.3352207456, 1e-10);
    const double s = std::sqrt(-2.0 * std::log(u1));
    const double t = std::sin(6.283185307179586 * u2);
    EXPECT_NEAR(s, 3.3180867, 1e-7);
    EXPECT_NEAR(t, 0.8600352, 1e-7);

    StartRandomSource();
    const double deviate = GaussianDeviate(0.0, 1.0);
    EXPECT_NEAR(deviate, 2.8536713, 1e-7);
    EXPECT_EQ(deviate, s * t);
    EXPECT_EQ(RandomState, reference::Step(reference::Step(reference::LaunchState)));

    // The same draws for the bias frame's law: 1028.5367..., cut to 1028.
    StartRandomSource();
    const double bias = GaussianDeviate(1000.0, 10.0);
    EXPECT_NEAR(bias, 1028.5367, 1e-4);
    EXPECT_EQ(Trunc(bias), 1028);
}

TEST(RandomSource, ZeroSigmaGivesTheMeanAndStillTakesTwoDraws)
{
    for (const double mean : {0.0, 1000.0, -3.25, 189.3514}) {
        StartRandomSource();
        EXPECT_EQ(GaussianDeviate(mean, 0.0), mean);
        EXPECT_EQ(RandomState, reference::Step(reference::Step(reference::LaunchState)));
    }
}

// |deviate - mean| <= 4.2919554 sigma for every pair of draws. The largest
// deviates come from a first draw of 0; every state that gives one is tried
// (2^17 of them, reaching every second draw that can follow), then a long
// run of the ordinary stream.
TEST(RandomSource, DeviatesNeverLieFurtherThanTheirBound)
{
    const double bound = 4.2919554;
    double largest = 0.0;
    for (const bool highBit : {false, true})
        for (std::uint32_t low = 0; low <= 0xFFFFu; ++low) {
            RandomState = reference::StateBeforeDraw(0, highBit, low);
            const double deviate = GaussianDeviate(0.0, 1.0);
            largest = std::max(largest, std::abs(deviate));
        }
    EXPECT_LE(largest, bound);
    EXPECT_GT(largest, 4.29);  // the extreme pairs were really reached

    StartRandomSource();
    for (int i = 0; i < 1'000'000; ++i) {
        const double deviate = GaussianDeviate(50.0, 2.0);
        ASSERT_LE(std::abs(deviate - 50.0), bound * 2.0) << "deviate " << i;
    }
}

TEST(RandomSource, TruncGoesTowardZero)
{
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {2.9, 2}, {-2.9, -2}, {-0.5, 0}, {-0.7, 0}, {-1.7, -1}, {1028.54, 1028}, {0.0, 0}, {-0.0, 0}, {7.0, 7}, {-7.0, -7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Trunc(c.value), c.expected) << "trunc(" << c.value << ")";
}

}  // namespace

// The column loops take their draws in blocks that leap ahead of the
// stream; whatever the count (a frame's 400, or one that leaves a remainder
// after the blocks), the values and the state afterwards must be those of
// drawing one deviate after another.
TEST(RandomSource, DrawingAColumnAtOnceEqualsDrawingOneDeviateAtATime)
{
    for (const std::uint32_t start : {reference::LaunchState, 0u, 1u, 0x8000FFFFu, 0xDEADBEEFu}) {
        for (std::int32_t count = 0; count <= 41; ++count) {
            std::uint32_t one = start;
            std::vector<DeviateDraws> expected;
            for (std::int32_t i = 0; i < count; ++i)
                expected.push_back(DrawDeviate(one));

            RandomState = start;
            std::vector<DeviateDraws> drawn(static_cast<std::size_t>(count));
            DrawDeviates(drawn.data(), count);
            for (std::int32_t i = 0; i < count; ++i) {
                EXPECT_EQ(drawn[i].u1, expected[i].u1) << "start " << start << ", count " << count << ", deviate " << i;
                EXPECT_EQ(drawn[i].u2, expected[i].u2) << "start " << start << ", count " << count << ", deviate " << i;
            }
            EXPECT_EQ(RandomState, one) << "start " << start << ", count " << count;
        }
    }
}
