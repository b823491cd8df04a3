#include "DarkSubtraction.h"

#include "Random.h"
#include "SensorNoise.h"
#include "Simulation.h"

#include <cstdint>

void SubtractDark()
{
    if (DarkPending != 1)
        return;
    DrawDarkSignal(CalibrationDark);
    DrawBiasFrame();  // the new bias stays: later exposures carry it
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y) {
            const std::int32_t counts = RawFrame[x][y] - BiasFrame[x][y];
            RawFrame[x][y] = Trunc(counts - CalibrationDark[x][y]);
        }
    DarkPending = 0;
}
