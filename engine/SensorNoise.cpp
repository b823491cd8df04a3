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
    std::uint32_t state = RandomState;
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    for (std::int32_t x = 0; x < width; ++x) {
        std::int32_t* const column = BiasFrame[x];
        for (std::int32_t y = 0; y < height; ++y)
            column[y] = Trunc(GaussianDeviate(state, 1000.0, 10.0));
    }
    RandomState = state;
}

void DrawDarkSignal(RealPlane target)
{
    const double timesFactor = ExposureTime * DarkFactor(CcdTemperature);
    std::uint32_t state = RandomState;
    const std::int32_t width = FrameWidth;
    const std::int32_t height = FrameHeight;
    for (std::int32_t x = 0; x < width; ++x) {
        const double* const rates = DarkMap[x];
        double* const column = target[x];
        for (std::int32_t y = 0; y < height; ++y) {
            const double d = timesFactor * rates[y];
            column[y] = GaussianDeviate(state, d, std::sqrt(d));
        }
    }
    RandomState = state;
}
