#include "Exposure.h"

#include "Random.h"
#include "SensorNoise.h"
#include "Simulation.h"

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
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y)
            SkyFrame[x][y] = Trunc(GaussianDeviate(level, noise));
}

void ClearStarFrame()
{
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y)
            StarFrame[x][y] = 0;
}

// Every addition is truncated by itself, so a profile sample worth less than
// a count adds nothing. Stars near the bottom have part or all of their
// square below the last row; those samples have nowhere to go and are left
// out. Horizontally the star list keeps every square inside the frame.
void AddStarLight()
{
    for (std::int32_t k = 0; k < StarsImaged; ++k) {
        const std::int32_t cx = StarX[k];
        const std::int32_t cy = StarY[k];
        const double brightness = ExposureTime * StarFlux[k];
        for (std::int32_t dx = -PsfRadius; dx <= PsfRadius; ++dx) {
            const std::int32_t x = cx + dx;
            if (x < 0 || x >= FrameWidth)
                continue;
            for (std::int32_t dy = -PsfRadius; dy <= PsfRadius; ++dy) {
                const std::int32_t y = cy + dy;
                if (y < 0 || y >= FrameHeight)
                    continue;
                const double sample = brightness * PsfTable[PsfRadius + dx][PsfRadius + dy];
                StarFrame[x][y] = Trunc(StarFrame[x][y] + sample);
            }
        }
    }
}

// The three integer terms are summed as integers; the real dark signal is
// added to that sum and the result truncated once.
void SumRawFrame()
{
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y) {
            const std::int32_t counts = (BiasFrame[x][y] + SkyFrame[x][y]) + StarFrame[x][y];
            RawFrame[x][y] = Trunc(counts + DarkFrame[x][y]);
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
