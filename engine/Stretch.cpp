#include "Stretch.h"

#include "Simulation.h"

void ClampPlane(std::int32_t low, std::int32_t high, std::int32_t columns, std::int32_t rows, IntPlane& plane)
{
    for (std::int32_t x = 0; x < columns; ++x)
        for (std::int32_t y = 0; y < rows; ++y) {
            std::int32_t& v = plane[x][y];
            if (v < low)
                v = low;
            if (v >= high)
                v = high;
        }
}

namespace {

void FindBlackPoint()
{
    MinLevel = 100000;
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y)
            if (RawFrame[x][y] < MinLevel)
                MinLevel = RawFrame[x][y];
}

}  // namespace

void StretchForDisplay()
{
    FindBlackPoint();
    // The gain 80 / (ExposureTime + 50) is applied as one exact integer
    // quotient: with a rounded real gain, a product that is a whole number
    // could land one below it depending on the last bit of the gain.
    const std::int64_t divisor = static_cast<std::int64_t>(ExposureTime) + 50;
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y) {
            const std::int64_t above = static_cast<std::int64_t>(RawFrame[x][y]) - MinLevel;
            DisplayFrame[x][y] = static_cast<std::int32_t>(80 * above / divisor);
        }
    ClampPlane(0, 255, FrameWidth, FrameHeight, DisplayFrame);
}
