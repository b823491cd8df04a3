// Plane allocation when memory runs out: the status, the message on
// standard output, a plane left untouched, and the set-up ending the
// process instead of going on without a plane.

#include "Planes.h"
#include "Random.h"
#include "Simulation.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Hands out blocks from std::malloc (the engine gives them back with
// std::free) and refuses the one numbered `failAt`, counting from 1.
std::int64_t allocations = 0;
std::int64_t failAt = 0;

void* RefusingAllocator(std::size_t bytes)
{
    ++allocations;
    if (allocations == failAt)
        return nullptr;
    return std::malloc(bytes);
}

template <typename T>
void Release(T** plane, std::int32_t width)
{
    for (std::int32_t x = 0; x < width; ++x)
        std::free(plane[x]);
    std::free(plane);
}

class PlaneAllocation : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = PlaneBlockAllocator;
        PlaneBlockAllocator = RefusingAllocator;
        allocations = 0;
        failAt = 0;
    }
    void TearDown() override { PlaneBlockAllocator = saved; }

private:
    void* (*saved)(std::size_t) = nullptr;
};

TEST_F(PlaneAllocation, SucceedsWithZeroedCells)
{
    IntPlane ints = nullptr;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(AllocIntPlane(600, 400, ints), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(allocations, 601);  // the column pointers, then one block per column
    ASSERT_NE(ints, nullptr);
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y)
            ASSERT_EQ(ints[x][y], 0);
    Release(ints, 600);

    allocations = 0;
    RealPlane reals = nullptr;
    EXPECT_EQ(AllocRealPlane(600, 400, reals), 0);
    EXPECT_EQ(allocations, 601);
    ASSERT_NE(reals, nullptr);
    for (std::int32_t x = 0; x < 600; ++x)
        for (std::int32_t y = 0; y < 400; ++y)
            ASSERT_TRUE(reals[x][y] == 0.0 && !std::signbit(reals[x][y]));
    Release(reals, 600);
}

// Every allocation of a small plane fails in turn, and the first, a middle
// and the last of a frame-sized one. Allocation 1 is the array of column
// pointers; allocation 2 + x is column x.
struct Failure {
    std::int32_t width;
    std::int32_t height;
    std::int64_t failAt;
};

std::vector<Failure> Failures()
{
    std::vector<Failure> failures;
    for (std::int64_t n = 1; n <= 8; ++n)
        failures.push_back({7, 3, n});
    for (const std::int64_t n : {1, 2, 301, 601})
        failures.push_back({600, 400, n});
    return failures;
}

// Refuses each allocation of Failures() in turn: status 1, the plane left
// as it was, no allocation after the refused one, and `columnMessage` on
// standard output when a column (not the pointer array) was refused.
template <typename T>
void ExpectEachFailure(int (*allocate)(std::int32_t, std::int32_t, T**&), const std::string& columnMessage)
{
    for (const Failure& f : Failures()) {
        SCOPED_TRACE("allocation " + std::to_string(f.failAt) + " of a " + std::to_string(f.width) + " x " +
                     std::to_string(f.height) + " plane");
        allocations = 0;
        failAt = f.failAt;
        T** const untouched = reinterpret_cast<T**>(&allocations);
        T** plane = untouched;
        ::testing::internal::CaptureStdout();
        const int status = allocate(f.width, f.height, plane);
        const std::string printed = ::testing::internal::GetCapturedStdout();
        EXPECT_EQ(status, 1);
        EXPECT_EQ(plane, untouched);
        EXPECT_EQ(allocations, f.failAt);
        EXPECT_EQ(printed, f.failAt == 1 ? "" : columnMessage);
    }
}

TEST_F(PlaneAllocation, IntPlaneReportsAFailedColumnOnStandardOutput)
{
    ExpectEachFailure(AllocIntPlane, "Alloc Error  !!\n");
}

TEST_F(PlaneAllocation, RealPlaneFailsSilently)
{
    ExpectEachFailure(AllocRealPlane, "");
}

// The set-up allocates RawFrame and DisplayFrame (integers), DarkMap,
// DarkFrame and CalibrationDark (reals), then SkyFrame, StarFrame and
// BiasFrame (integers), 601 blocks each. Whichever block is refused, the
// process ends with status 1 and names the plane on standard error.
struct SetUpFailure {
    const char* plane;
    std::int32_t order;  // 0..7 in the set-up
    bool integers;
    std::int32_t block;  // 0 for the column pointers, 1 + x for column x
};

void PrintTo(const SetUpFailure& f, std::ostream* out)
{
    *out << f.plane << (f.block == 0 ? " column pointers" : " column " + std::to_string(f.block - 1));
}

class SetUpWithoutMemory : public ::testing::TestWithParam<SetUpFailure> {};

TEST_P(SetUpWithoutMemory, EndsTheProcessNamingThePlane)
{
    const SetUpFailure& f = GetParam();
    // Standard output joins standard error in the dying process, so that
    // one expression checks both the order and the absence of lines.
    const bool reportsColumn = f.integers && f.block > 0;
    const std::string expected = std::string("^") + (reportsColumn ? "Alloc Error  !!\n" : "") +
                                 "Starloom: out of memory: cannot allocate the " + f.plane + " plane\n$";
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            PlaneBlockAllocator = RefusingAllocator;
            allocations = 0;
            failAt = std::int64_t{f.order} * 601 + 1 + f.block;
            StartRandomSource();
            SetUpSimulation();
        },
        ::testing::ExitedWithCode(1), expected);
}

std::vector<SetUpFailure> SetUpFailures()
{
    const SetUpFailure planes[] = {
        {"RawFrame", 0, true, 0},        {"DisplayFrame", 1, true, 0}, {"DarkMap", 2, false, 0},
        {"DarkFrame", 3, false, 0},      {"CalibrationDark", 4, false, 0}, {"SkyFrame", 5, true, 0},
        {"StarFrame", 6, true, 0},       {"BiasFrame", 7, true, 0},
    };
    std::vector<SetUpFailure> failures;
    for (SetUpFailure f : planes)
        for (const std::int32_t block : {0, 1, 300, 600}) {
            f.block = block;
            failures.push_back(f);
        }
    return failures;
}

std::string NameOf(const ::testing::TestParamInfo<SetUpFailure>& info)
{
    const std::string block = info.param.block == 0 ? "Pointers" : "Column" + std::to_string(info.param.block - 1);
    return std::string(info.param.plane) + block;
}

INSTANTIATE_TEST_SUITE_P(EveryPlane, SetUpWithoutMemory, ::testing::ValuesIn(SetUpFailures()), NameOf);

}  // namespace
