#include "SensorNoise.h"

#include "Random.h"
#include "Simulation.h"

#include <cmath>

double DarkFactor(std::int32_t temperature)
{
    // Divided, not multiplied by a rounded 1/6: the two differ in the last
    // bit for a third of the temperatures.
    const double exponent = temperature / 6.0;
    return std::pow(2.0, exponent);
}

void DrawBiasFrame()
{
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y)
            BiasFrame[x][y] = Trunc(GaussianDeviate(1000.0, 10.0));
}

void DrawDarkSignal(RealPlane target)
{
    const double timesFactor = ExposureTime * DarkFactor(CcdTemperature);
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        for (std::int32_t y = 0; y < FrameHeight; ++y) {
            const double d = timesFactor * DarkMap[x][y];
            target[x][y] = GaussianDeviate(d, std::sqrt(d));
        }
}
