#include "Stretch.h"

#include "Simulation.h"

void ClampPlane(std::int32_t low, std::int32_t high, std::int32_t columns, std::int32_t rows, IntPlane& plane)
{
    for (std::int32_t x = 0; x < columns; ++x) {
        std::int32_t* const column = plane[x];
        for (std::int32_t y = 0; y < rows; ++y) {
            std::int32_t v = column[y];
            if (v < low)
                v = low;
            if (v >= high)
                v = high;
            column[y] = v;
        }
    }
}

namespace {

// The lowest value is kept in a local and stored once: the compiler cannot
// tell that writing MinLevel leaves the frame's columns alone, and would
// otherwise reload at every pixel.
void FindBlackPoint()
{
    std::int32_t lowest = 100000;
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    for (std::int32_t x = 0; x < width; ++x) {
        const std::int32_t* const column = RawFrame[x];
        for (std::int32_t y = 0; y < height; ++y)
            if (column[y] < lowest)
                lowest = column[y];
    }
    MinLevel = lowest;
}

}  // namespace

void StretchForDisplay()
{
    FindBlackPoint();
    // The gain 80 / (ExposureTime + 50) is applied as one exact integer
    // quotient: with a rounded real gain, a product that is a whole number
    // could land one below it depending on the last bit of the gain.
    const std::int64_t divisor = static_cast<std::int64_t>(ExposureTime) + 50;
    const std::int64_t black = MinLevel;
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    for (std::int32_t x = 0; x < width; ++x) {
        const std::int32_t* const raw = RawFrame[x];
        std::int32_t* const shown = DisplayFrame[x];
        for (std::int32_t y = 0; y < height; ++y) {
            const std::int64_t above = static_cast<std::int64_t>(raw[y]) - black;
            shown[y] = static_cast<std::int32_t>(80 * above / divisor);
        }
    }
    ClampPlane(0, 255, FrameWidth, FrameHeight, DisplayFrame);
}
