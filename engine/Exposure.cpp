#include "Exposure.h"

#include "Random.h"
#include "SensorNoise.h"
#include "Simulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The sky gives 1000 counts per pixel per second at magnitude 0 and each
// magnitude darker divides that by 2.51178. Its noise is half the square
// root of its level.
void DrawSkyFrame()
{
    const double level = std::pow(2.51178, -SkyMagnitude) * 1000 * ExposureTime;
    const double noise = std::sqrt(level) * 0.5;
    DrawTruncatedDeviates(SkyFrame, level, noise);
}

void ClearStarFrame()
{
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    for (std::int32_t x = 0; x < width; ++x)
        std::fill_n(StarFrame[x], height, 0);
}

// Every addition is truncated by itself, so a profile sample worth less than
// a count adds nothing. Stars near the bottom have part or all of their
// square below the last row; those samples have nowhere to go and are left
// out. Horizontally the star list keeps every square inside the frame.
void AddStarLight()
{
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    for (std::int32_t k = 0; k < StarsImaged; ++k) {
        const std::int32_t cx = StarX[k];
        const std::int32_t cy = StarY[k];
        const double brightness = ExposureTime * StarFlux[k];
        // Rows of the square that lie inside the frame.
        const std::int32_t firstDy = std::max(-PsfRadius, -cy);
        const std::int32_t lastDy = std::min(PsfRadius, height - 1 - cy);
        for (std::int32_t dx = -PsfRadius; dx <= PsfRadius; ++dx) {
            const std::int32_t x = cx + dx;
            if (x < 0 || x >= width)
                continue;
            std::int32_t* const column = StarFrame[x];
            const double* const profile = PsfTable[PsfRadius + dx];
            for (std::int32_t dy = firstDy; dy <= lastDy; ++dy) {
                const double sample = brightness * profile[PsfRadius + dy];
                column[cy + dy] = Trunc(column[cy + dy] + sample);
            }
        }
    }
}

// The three integer terms are summed as integers; the real dark signal is
// added to that sum and the result truncated once.
void SumRawFrame()
{
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    for (std::int32_t x = 0; x < width; ++x) {
        const std::int32_t* const bias = BiasFrame[x];
        const std::int32_t* const sky = SkyFrame[x];
        const std::int32_t* const stars = StarFrame[x];
        const double* const dark = DarkFrame[x];
        std::int32_t* const raw = RawFrame[x];
        for (std::int32_t y = 0; y < height; ++y) {
            const std::int32_t counts = (bias[y] + sky[y]) + stars[y];
            raw[y] = Trunc(counts + dark[y]);
        }
    }
}

}  // namespace

void SynthesizeExposure()
{
    DarkPending = 1;
    DrawSkyFrame();
    DrawDarkSignal(DarkFrame);
    ClearStarFrame();
    AddStarLight();
    SumRawFrame();
}
